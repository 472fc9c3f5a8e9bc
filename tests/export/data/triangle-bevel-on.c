/* VYR : 3D Text C/OpenGl generated file - Source File*/


#include "VyrText.h"


void InitVyrText(void)
{

GLfloat front_emission[] = { 0.00 , 0.00, 0.00, 0.00 };
GLfloat front_ambient[] = { 0.20 , 0.20, 0.20, 0.00 };
GLfloat front_diffuse[] = { 0.99 , 0.99, 0.50, 0.00 };
GLfloat front_specular[] = { 1.00 , 1.00, 1.00, 0.00 };
GLfloat front_shininess[] = { 3.00 };
GLfloat side_emission[] = { 0.00 , 0.00, 0.00, 0.00 };
GLfloat side_ambient[] = { 0.90 , 0.13, 0.07, 0.00 };
GLfloat side_diffuse[] = { 0.71 , 0.08, 0.11, 0.00 };
GLfloat side_specular[] = { 1.00 , 1.00, 1.00, 0.00 };
GLfloat side_shininess[] = { 3.00 };
GLfloat bevel_emission[] = { 0.00 , 0.00, 0.00, 0.00 };
GLfloat bevel_ambient[] = { 0.20 , 0.20, 0.20, 0.20 };
GLfloat bevel_diffuse[] = { 0.95 , 0.95, 0.80, 0.00 };
GLfloat bevel_specular[] = { 1.00 , 1.00, 1.00, 0.00 };
GLfloat bevel_shininess[] = { 3.00 };

VyrTextDpList=glGenLists(1);
glNewList(VyrTextDpList,GL_COMPILE);
glEnable(GL_NORMALIZE);
glMatrixMode(GL_MODELVIEW);
glPushMatrix();

glTranslatef(-10.000000/2.0f,0.f,0.f);
glMaterialfv(GL_FRONT,GL_EMISSION,front_emission);
glMaterialfv(GL_FRONT,GL_AMBIENT,front_ambient);

glMaterialfv(GL_FRONT,GL_DIFFUSE,front_diffuse);
glMaterialfv(GL_FRONT,GL_SPECULAR,front_specular);

glMaterialfv(GL_FRONT,GL_SHININESS,front_shininess);

glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(0.00,10.00,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(10.00,0.00,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(0.00,0.00,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(1.00,1.00,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(8.00,1.00,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(1.00,8.00,35.00);
glEnd();
glMaterialfv(GL_FRONT,GL_EMISSION,side_emission);
glMaterialfv(GL_FRONT,GL_AMBIENT,side_ambient);

glMaterialfv(GL_FRONT,GL_DIFFUSE,side_diffuse);
glMaterialfv(GL_FRONT,GL_SPECULAR,side_specular);

glMaterialfv(GL_FRONT,GL_SHININESS,side_shininess);

glBegin(GL_QUAD_STRIP);
glNormal3f(-0.00,-10.00,-0.00);
glVertex3f( 10.00,0.00,0.00);
glNormal3f(-0.00,-10.00,-0.00);
glVertex3f(10.00,0.00,30.00);
glNormal3f(-10.00,0.00,0.00);
glVertex3f( 0.00,0.00,0.00);
glNormal3f(-10.00,0.00,0.00);
glVertex3f(0.00,0.00,30.00);
glNormal3f(10.00,10.00,0.00);
glVertex3f( 0.00,10.00,0.00);
glNormal3f(10.00,10.00,0.00);
glVertex3f(0.00,10.00,30.00);
glNormal3f(-0.00,-10.00,-0.00);
glVertex3f( 10.00,0.00,0.00);
glNormal3f(-0.00,-10.00,-0.00);
glVertex3f(10.00,0.00,30.00);

glEnd();

glMaterialfv(GL_FRONT,GL_EMISSION,bevel_emission);
glMaterialfv(GL_FRONT,GL_AMBIENT,bevel_ambient);

glMaterialfv(GL_FRONT,GL_DIFFUSE,bevel_diffuse);
glMaterialfv(GL_FRONT,GL_SPECULAR,bevel_specular);

glMaterialfv(GL_FRONT,GL_SHININESS,bevel_shininess);

glBegin(GL_TRIANGLES);

glNormal3f(-0.00,-0.98,0.20);

glVertex3f(10.00,0.00,30.00);
glNormal3f(-0.00,-0.98,0.20);

glVertex3f(0.00,0.00,30.00);
glNormal3f(-0.00,-0.98,0.20);
glVertex3f(8.00,1.00,35.00);
glNormal3f(-0.00,-0.98,0.20);

glVertex3f(8.00,1.00,35.00);
glNormal3f(-0.00,-0.98,0.20);

glVertex3f(0.00,0.00,30.00);
glNormal3f(-0.00,-0.98,0.20);

glVertex3f(1.00,1.00,35.00);
glNormal3f(-0.98,-0.00,0.20);

glVertex3f(0.00,0.00,30.00);
glNormal3f(-0.98,-0.00,0.20);

glVertex3f(0.00,10.00,30.00);
glNormal3f(-0.98,-0.00,0.20);
glVertex3f(1.00,1.00,35.00);
glNormal3f(-0.98,-0.00,0.20);

glVertex3f(1.00,1.00,35.00);
glNormal3f(-0.98,-0.00,0.20);

glVertex3f(0.00,10.00,30.00);
glNormal3f(-0.98,-0.00,0.20);

glVertex3f(1.00,8.00,35.00);
glNormal3f(0.70,0.70,0.14);

glVertex3f(0.00,10.00,30.00);
glNormal3f(0.70,0.70,0.14);

glVertex3f(10.00,0.00,30.00);
glNormal3f(0.70,0.70,0.14);
glVertex3f(1.00,8.00,35.00);
glNormal3f(0.70,0.70,0.14);

glVertex3f(1.00,8.00,35.00);
glNormal3f(0.70,0.70,0.14);

glVertex3f(10.00,0.00,30.00);
glNormal3f(0.70,0.70,0.14);

glVertex3f(8.00,1.00,35.00);
glNormal3f(-0.00,-0.98,0.20);

glVertex3f(10.00,0.00,30.00);
glNormal3f(-0.00,-0.98,0.20);

glVertex3f(0.00,0.00,30.00);
glNormal3f(-0.00,-0.98,0.20);
glVertex3f(8.00,1.00,35.00);
glNormal3f(-0.00,-0.98,0.20);

glVertex3f(8.00,1.00,35.00);
glNormal3f(-0.00,-0.98,0.20);

glVertex3f(0.00,0.00,30.00);
glNormal3f(-0.00,-0.98,0.20);

glVertex3f(1.00,1.00,35.00);
glEnd();

glPopMatrix();
glEndList();
}



void DisplayVyrText(void)
{
glPushMatrix();
glScalef(0.002500,0.002500,0.002500);
glCallList(VyrTextDpList);
glPopMatrix();
}