/* VYR : 3D Text C/OpenGl generated file - Source File*/


#include "default.h"


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

glTranslatef(-297.000000/2.0f,0.f,0.f);
glMaterialfv(GL_FRONT,GL_EMISSION,front_emission);
glMaterialfv(GL_FRONT,GL_AMBIENT,front_ambient);

glMaterialfv(GL_FRONT,GL_DIFFUSE,front_diffuse);
glMaterialfv(GL_FRONT,GL_SPECULAR,front_specular);

glMaterialfv(GL_FRONT,GL_SHININESS,front_shininess);

glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(198.72,57.86,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(200.48,-34.83,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(199.16,-50.17,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(193.14,34.97,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(198.72,57.86,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(199.16,-50.17,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(192.28,34.97,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(193.14,34.97,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(199.16,-50.17,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(186.27,-74.70,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(192.28,34.97,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(199.16,-50.17,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(208.16,-81.00,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(186.27,-74.70,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(199.16,-50.17,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(210.75,-63.55,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(208.16,-81.00,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(199.16,-50.17,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(198.72,57.86,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(221.03,57.86,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(204.45,-14.16,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(200.48,-34.83,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(198.72,57.86,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(204.45,-14.16,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(258.88,66.60,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(254.05,-55.15,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(252.66,11.64,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(263.88,-36.11,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(254.05,-55.15,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(258.88,66.60,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(266.23,50.06,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(263.88,-36.11,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(258.88,66.60,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(268.45,-21.22,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(263.88,-36.11,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(266.23,50.06,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(270.64,31.84,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(268.45,-21.22,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(266.23,50.06,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(271.20,-5.21,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(268.45,-21.22,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(270.64,31.84,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(272.11,11.94,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(271.20,-5.21,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(270.64,31.84,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(242.69,87.50,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(241.64,56.95,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(228.19,74.42,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(247.76,43.13,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(241.64,56.95,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(242.69,87.50,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(258.88,66.60,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(247.76,43.13,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(242.69,87.50,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(251.43,28.03,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(247.76,43.13,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(258.88,66.60,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(252.66,11.64,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(251.43,28.03,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(258.88,66.60,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(183.03,114.56,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(179.11,96.79,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(161.38,97.97,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(195.27,93.24,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(179.11,96.79,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(183.03,114.56,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(202.86,110.26,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(195.27,93.24,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(183.03,114.56,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(209.88,87.34,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(195.27,93.24,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(202.86,110.26,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(220.60,103.08,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(209.88,87.34,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(202.86,110.26,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(228.19,74.42,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(209.88,87.34,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(220.60,103.08,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(242.69,87.50,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(228.19,74.42,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(220.60,103.08,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(54.25,67.14,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(51.73,23.96,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(46.99,8.30,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(58.37,38.75,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(51.73,23.96,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(54.25,67.14,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(70.73,84.09,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(58.37,38.75,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(54.25,67.14,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(76.39,64.10,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(58.37,38.75,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(70.73,84.09,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(90.27,97.82,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(76.39,64.10,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(70.73,84.09,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(100.14,82.72,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(76.39,64.10,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(90.27,97.82,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(106.56,105.77,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(100.14,82.72,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(90.27,97.82,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(118.77,91.19,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(100.14,82.72,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(106.56,105.77,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(123.79,111.46,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(118.77,91.19,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(106.56,105.77,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(139.18,96.27,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(118.77,91.19,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(123.79,111.46,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(141.97,114.86,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(139.18,96.27,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(123.79,111.46,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(161.38,97.97,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(139.18,96.27,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(141.97,114.86,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(161.09,116.00,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(161.38,97.97,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(141.97,114.86,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(183.03,114.56,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(161.38,97.97,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(161.09,116.00,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(53.40,-105.88,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(48.20,-59.41,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(54.44,-74.15,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(44.45,-43.23,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(48.20,-59.41,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(53.40,-105.88,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(36.70,-83.59,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(44.45,-43.23,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(53.40,-105.88,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(43.20,-25.61,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(44.45,-43.23,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(36.70,-83.59,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(40.84,46.98,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(43.20,-25.61,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(36.70,-83.59,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(44.15,-8.22,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(43.20,-25.61,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(40.84,46.98,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(54.25,67.14,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(44.15,-8.22,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(40.84,46.98,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(46.99,8.30,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(44.15,-8.22,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(54.25,67.14,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(254.05,-55.15,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(251.26,-8.40,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(252.66,11.64,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(247.08,-26.59,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(251.26,-8.40,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(254.05,-55.15,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(240.99,-69.30,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(247.08,-26.59,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(254.05,-55.15,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(240.48,-42.00,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(247.08,-26.59,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(240.99,-69.30,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(231.84,-53.70,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(240.48,-42.00,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(240.99,-69.30,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(231.84,-53.70,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(240.99,-69.30,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(225.45,-78.07,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(210.75,-63.55,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(231.84,-53.70,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(225.45,-78.07,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(208.16,-81.00,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(210.75,-63.55,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(225.45,-78.07,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(182.12,-10.08,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(178.97,-45.80,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(178.12,-45.80,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(186.27,-74.70,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(178.97,-45.80,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(182.12,-10.08,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(185.42,10.55,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(186.27,-74.70,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(182.12,-10.08,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(192.28,34.97,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(186.27,-74.70,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(185.42,10.55,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(175.98,33.94,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(192.28,34.97,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(185.42,10.55,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(175.65,54.49,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(192.28,34.97,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(175.98,33.94,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(150.80,42.83,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(175.65,54.49,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(175.98,33.94,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(149.22,61.00,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(175.65,54.49,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(150.80,42.83,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(129.94,58.04,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(149.22,61.00,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(150.80,42.83,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(112.45,49.18,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(107.44,8.77,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(102.61,-7.89,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(125.11,33.80,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(107.44,8.77,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(112.45,49.18,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(129.94,58.04,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(125.11,33.80,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(112.45,49.18,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(150.80,42.83,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(125.11,33.80,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(129.94,58.04,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(86.63,17.27,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(80.50,-49.13,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(79.71,-3.63,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(89.78,-66.47,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(80.50,-49.13,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(86.63,17.27,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(97.70,35.29,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(89.78,-66.47,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(86.63,17.27,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(101.00,-25.86,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(89.78,-66.47,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(97.70,35.29,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(102.61,-7.89,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(101.00,-25.86,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(97.70,35.29,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(86.91,-106.43,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(76.18,-122.38,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(68.17,-92.73,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(94.36,-129.95,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(76.18,-122.38,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(86.91,-106.43,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(101.86,-112.68,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(94.36,-129.95,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(86.91,-106.43,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(114.46,-134.49,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(94.36,-129.95,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(101.86,-112.68,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(118.39,-116.44,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(114.46,-134.49,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(101.86,-112.68,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(136.48,-136.00,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(114.46,-134.49,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(118.39,-116.44,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(136.48,-117.69,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(136.48,-136.00,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(118.39,-116.44,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(153.01,-135.28,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(136.48,-136.00,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(136.48,-117.69,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(157.38,-116.35,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(153.01,-135.28,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(136.48,-117.69,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(169.39,-133.11,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(153.01,-135.28,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(157.38,-116.35,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(178.55,-112.32,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(169.39,-133.11,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(157.38,-116.35,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(185.62,-129.49,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(169.39,-133.11,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(178.55,-112.32,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(200.25,-105.19,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(185.62,-129.49,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(178.55,-112.32,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(201.40,-124.49,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(185.62,-129.49,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(200.25,-105.19,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(222.75,-94.52,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(201.40,-124.49,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(200.25,-105.19,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(216.40,-118.17,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(201.40,-124.49,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(222.75,-94.52,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(230.62,-110.53,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(216.40,-118.17,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(222.75,-94.52,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(76.18,-122.38,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(53.40,-105.88,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(54.44,-74.15,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(68.17,-92.73,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(76.18,-122.38,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(54.44,-74.15,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(27.48,12.50,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(24.55,-46.64,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(24.14,-6.10,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(29.10,-65.96,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(24.55,-46.64,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(27.48,12.50,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(33.05,30.19,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(29.10,-65.96,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(27.48,12.50,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(36.70,-83.59,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(29.10,-65.96,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(33.05,30.19,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(40.84,46.98,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(36.70,-83.59,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(33.05,30.19,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(178.12,-45.80,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(174.12,-30.56,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(182.12,-10.08,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(161.52,-47.34,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(174.12,-30.56,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(178.12,-45.80,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(154.73,-72.20,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(161.52,-47.34,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(178.12,-45.80,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(145.89,-58.53,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(161.52,-47.34,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(154.73,-72.20,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(140.22,-78.80,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(145.89,-58.53,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(154.73,-72.20,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(128.77,-62.27,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(145.89,-58.53,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(140.22,-78.80,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(124.61,-81.00,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(128.77,-62.27,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(140.22,-78.80,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(107.80,-52.59,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(128.77,-62.27,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(124.61,-81.00,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(104.68,-77.37,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(107.80,-52.59,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(124.61,-81.00,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(101.00,-25.86,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(107.80,-52.59,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(104.68,-77.37,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(89.78,-66.47,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(101.00,-25.86,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(104.68,-77.37,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(178.55,-55.81,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(178.97,-45.80,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(186.27,-74.70,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(77.41,-26.17,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(79.71,-3.63,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(80.50,-49.13,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(23.03,-25.61,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(24.14,-6.10,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(24.55,-46.64,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(112.45,49.18,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(102.61,-7.89,0.00);
glNormal3f(0.00,0.00,-1.00);
glVertex3f(97.70,35.29,0.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(105.78,-74.79,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(124.66,-78.27,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(128.15,-67.89,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(128.15,-67.89,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(124.66,-78.27,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(139.46,-76.19,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(128.15,-67.89,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(139.46,-76.19,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(147.02,-61.07,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(147.02,-61.07,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(139.46,-76.19,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(153.07,-69.97,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(147.02,-61.07,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(153.07,-69.97,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(163.43,-49.29,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(163.43,-49.29,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(153.07,-69.97,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(175.80,-40.64,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(163.43,-49.29,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(175.80,-40.64,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(176.49,-31.88,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(176.49,-31.88,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(175.80,-40.64,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(183.05,-41.88,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(176.49,-31.88,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(183.05,-41.88,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(184.73,-10.79,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(184.73,-10.79,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(183.05,-41.88,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(190.05,-70.49,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(184.73,-10.79,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(190.05,-70.49,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(188.26,10.87,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(188.26,10.87,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(190.05,-70.49,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(189.91,29.83,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(188.26,10.87,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(189.91,29.83,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(179.89,38.03,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(179.89,38.03,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(189.91,29.83,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(174.12,52.01,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(179.89,38.03,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(174.12,52.01,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(150.80,48.48,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(150.80,48.48,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(174.12,52.01,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(149.10,58.23,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(150.80,48.48,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(149.10,58.23,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(130.78,55.44,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(128.15,-67.89,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(103.45,-56.21,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(105.78,-74.79,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(105.78,-74.79,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(103.45,-56.21,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(98.27,-26.08,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(105.78,-74.79,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(98.27,-26.08,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(91.89,-64.63,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(91.89,-64.63,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(98.27,-26.08,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(99.81,33.58,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(91.89,-64.63,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(99.81,33.58,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(89.08,16.13,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(99.96,-7.39,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(104.97,9.95,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(114.02,46.95,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(114.02,46.95,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(104.97,9.95,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(123.35,36.12,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(114.02,46.95,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(123.35,36.12,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(130.78,55.44,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(130.78,55.44,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(123.35,36.12,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(150.80,48.48,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(99.81,33.58,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(98.27,-26.08,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(99.96,-7.39,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(99.81,33.58,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(99.96,-7.39,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(114.02,46.95,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(83.12,-48.28,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(91.89,-64.63,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(89.08,16.13,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(83.12,-48.28,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(89.08,16.13,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(82.35,-4.20,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(83.12,-48.28,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(82.35,-4.20,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(80.11,-26.13,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(190.05,-70.49,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(193.78,-51.92,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(196.64,30.52,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(196.64,30.52,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(193.78,-51.92,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(197.83,-34.46,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(196.64,30.52,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(197.83,-34.46,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(202.21,53.41,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(202.21,53.41,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(197.83,-34.46,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(201.84,-13.61,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(202.21,53.41,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(201.84,-13.61,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(216.61,54.34,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(254.08,28.45,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(255.34,11.65,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(256.55,65.21,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(256.55,65.21,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(255.34,11.65,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(261.39,-35.09,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(256.55,65.21,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(261.39,-35.09,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(263.68,49.19,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(263.68,49.19,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(261.39,-35.09,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(265.85,-20.60,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(263.68,49.19,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(265.85,-20.60,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(267.99,31.42,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(267.99,31.42,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(265.85,-20.60,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(268.54,-4.91,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(267.99,31.42,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(268.54,-4.91,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(269.43,11.91,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(161.36,100.65,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(179.48,99.44,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(182.65,111.91,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(182.65,111.91,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(179.48,99.44,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(196.07,95.81,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(182.65,111.91,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(196.07,95.81,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(202.07,107.69,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(202.07,107.69,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(196.07,95.81,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(211.18,89.71,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(202.07,107.69,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(211.18,89.71,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(219.31,100.71,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(219.31,100.71,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(211.18,89.71,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(230.08,76.39,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(219.31,100.71,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(230.08,76.39,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(240.81,85.53,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(240.81,85.53,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(230.08,76.39,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(243.97,58.33,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(240.81,85.53,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(243.97,58.33,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(256.55,65.21,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(256.55,65.21,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(243.97,58.33,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(250.31,44.00,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(256.55,65.21,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(250.31,44.00,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(254.08,28.45,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(182.65,111.91,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(161.09,113.32,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(161.36,100.65,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(161.36,100.65,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(161.09,113.32,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(142.29,112.21,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(161.36,100.65,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(142.29,112.21,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(138.75,98.93,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(138.75,98.93,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(142.29,112.21,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(124.45,108.86,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(138.75,98.93,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(124.45,108.86,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(117.89,93.73,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(117.89,93.73,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(124.45,108.86,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(107.57,103.29,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(117.89,93.73,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(107.57,103.29,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(98.74,85.03,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(98.74,85.03,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(107.57,103.29,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(91.64,95.51,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(98.74,85.03,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(91.64,95.51,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(74.42,65.98,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(74.42,65.98,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(91.64,95.51,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(72.47,82.04,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(74.42,65.98,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(72.47,82.04,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(56.35,65.45,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(56.35,65.45,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(43.18,45.67,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(44.39,8.92,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(56.35,65.45,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(44.39,8.92,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(49.22,24.90,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(56.35,65.45,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(49.22,24.90,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(56.03,40.09,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(56.35,65.45,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(56.03,40.09,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(74.42,65.98,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(31.66,-65.12,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(39.04,-82.24,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(35.55,29.22,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(35.55,29.22,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(39.04,-82.24,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(40.53,-25.63,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(35.55,29.22,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(40.53,-25.63,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(43.18,45.67,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(43.18,45.67,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(40.53,-25.63,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(41.49,-7.92,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(43.18,45.67,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(41.49,-7.92,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(44.39,8.92,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(30.08,11.86,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(26.80,-6.42,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(27.20,-46.23,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(30.08,11.86,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(27.20,-46.23,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(31.66,-65.12,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(30.08,11.86,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(31.66,-65.12,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(35.55,29.22,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(253.92,-8.80,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(249.63,-27.43,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(251.82,-53.59,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(253.92,-8.80,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(251.82,-53.59,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(261.39,-35.09,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(253.92,-8.80,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(261.39,-35.09,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(255.34,11.65,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(193.78,-51.92,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(208.31,-78.21,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(209.57,-69.08,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(209.57,-69.08,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(208.31,-78.21,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(224.53,-75.49,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(209.57,-69.08,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(224.53,-75.49,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(233.64,-55.89,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(233.64,-55.89,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(224.53,-75.49,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(239.30,-67.16,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(233.64,-55.89,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(239.30,-67.16,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(242.83,-43.35,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(242.83,-43.35,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(239.30,-67.16,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(251.82,-53.59,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(242.83,-43.35,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(251.82,-53.59,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(249.63,-27.43,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(184.93,-126.91,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(200.48,-121.99,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(201.25,-107.67,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(201.25,-107.67,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(200.48,-121.99,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(215.25,-115.76,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(201.25,-107.67,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(215.25,-115.76,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(220.89,-99.86,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(220.89,-99.86,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(215.25,-115.76,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(225.24,-108.80,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(136.52,-133.33,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(152.77,-132.62,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(157.71,-119.00,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(157.71,-119.00,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(152.77,-132.62,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(168.92,-130.48,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(157.71,-119.00,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(168.92,-130.48,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(179.22,-114.91,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(179.22,-114.91,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(168.92,-130.48,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(184.93,-126.91,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(179.22,-114.91,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(184.93,-126.91,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(201.25,-107.67,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(157.71,-119.00,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(136.48,-120.37,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(136.52,-133.33,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(136.52,-133.33,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(136.48,-120.37,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(118.00,-119.09,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(136.52,-133.33,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(118.00,-119.09,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(114.85,-131.83,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(114.85,-131.83,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(118.00,-119.09,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(101.04,-115.24,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(114.85,-131.83,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(101.04,-115.24,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(95.17,-127.39,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(95.17,-127.39,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(101.04,-115.24,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(85.59,-108.78,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(95.17,-127.39,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(85.59,-108.78,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(77.50,-120.03,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(77.50,-120.03,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(85.59,-108.78,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(66.25,-94.66,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(77.50,-120.03,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(66.25,-94.66,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(55.31,-103.93,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(55.31,-103.93,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(66.25,-94.66,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(52.09,-75.49,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(55.31,-103.93,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(52.09,-75.49,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(45.64,-60.24,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(41.80,-43.63,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(40.53,-25.63,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(39.04,-82.24,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(41.80,-43.63,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(39.04,-82.24,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(55.31,-103.93,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(41.80,-43.63,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(55.31,-103.93,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(45.64,-60.24,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(208.31,-78.21,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(193.78,-51.92,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(190.05,-70.49,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(27.20,-46.23,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(26.80,-6.42,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(25.71,-25.59,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(190.05,-70.49,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(183.05,-41.88,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(181.29,-55.33,35.00);
glEnd();
glBegin(GL_TRIANGLES);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(189.91,29.83,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(190.05,-70.49,35.00);
glNormal3f(-0.00,-0.00,1.00);
glVertex3f(196.64,30.52,35.00);
glEnd();
glMaterialfv(GL_FRONT,GL_EMISSION,side_emission);
glMaterialfv(GL_FRONT,GL_AMBIENT,side_ambient);

glMaterialfv(GL_FRONT,GL_DIFFUSE,side_diffuse);
glMaterialfv(GL_FRONT,GL_SPECULAR,side_specular);

glMaterialfv(GL_FRONT,GL_SHININESS,side_shininess);

glBegin(GL_QUAD_STRIP);
glNormal3f(19.90,1.47,0.00);
glVertex3f( 270.64,31.84,0.00);
glNormal3f(19.90,1.47,0.00);
glVertex3f(270.64,31.84,30.00);
glNormal3f(17.14,-0.91,0.00);
glVertex3f( 272.11,11.94,0.00);
glNormal3f(17.14,-0.91,0.00);
glVertex3f(272.11,11.94,30.00);
glNormal3f(16.02,-2.74,0.00);
glVertex3f( 271.20,-5.21,0.00);
glNormal3f(16.02,-2.74,0.00);
glVertex3f(271.20,-5.21,30.00);
glNormal3f(14.89,-4.57,0.00);
glVertex3f( 268.45,-21.22,0.00);
glNormal3f(14.89,-4.57,0.00);
glVertex3f(268.45,-21.22,30.00);
glNormal3f(19.04,-9.84,0.00);
glVertex3f( 263.88,-36.11,0.00);
glNormal3f(19.04,-9.84,0.00);
glVertex3f(263.88,-36.11,30.00);
glNormal3f(14.15,-13.05,0.00);
glVertex3f( 254.05,-55.15,0.00);
glNormal3f(14.15,-13.05,0.00);
glVertex3f(254.05,-55.15,30.00);
glNormal3f(8.78,-15.54,0.00);
glVertex3f( 240.99,-69.30,0.00);
glNormal3f(8.78,-15.54,0.00);
glVertex3f(240.99,-69.30,30.00);
glNormal3f(2.93,-17.29,0.00);
glVertex3f( 225.45,-78.07,0.00);
glNormal3f(2.93,-17.29,0.00);
glVertex3f(225.45,-78.07,30.00);
glNormal3f(-6.30,-21.88,-0.00);
glVertex3f( 208.16,-81.00,0.00);
glNormal3f(-6.30,-21.88,-0.00);
glVertex3f(208.16,-81.00,30.00);
glNormal3f(-18.89,-7.73,-0.00);
glVertex3f( 186.27,-74.70,0.00);
glNormal3f(-18.89,-7.73,-0.00);
glVertex3f(186.27,-74.70,30.00);
glNormal3f(-10.02,0.42,0.00);
glVertex3f( 178.55,-55.81,0.00);
glNormal3f(-10.02,0.42,0.00);
glVertex3f(178.55,-55.81,30.00);
glNormal3f(-0.00,-0.84,-0.00);
glVertex3f( 178.97,-45.80,0.00);
glNormal3f(-0.00,-0.84,-0.00);
glVertex3f(178.97,-45.80,30.00);
glNormal3f(26.41,-23.40,0.00);
glVertex3f( 178.12,-45.80,0.00);
glNormal3f(26.41,-23.40,0.00);
glVertex3f(178.12,-45.80,30.00);
glNormal3f(6.60,-14.50,0.00);
glVertex3f( 154.73,-72.20,0.00);
glNormal3f(6.60,-14.50,0.00);
glVertex3f(154.73,-72.20,30.00);
glNormal3f(2.20,-15.62,0.00);
glVertex3f( 140.22,-78.80,0.00);
glNormal3f(2.20,-15.62,0.00);
glVertex3f(140.22,-78.80,30.00);
glNormal3f(-3.63,-19.93,-0.00);
glVertex3f( 124.61,-81.00,0.00);
glNormal3f(-3.63,-19.93,-0.00);
glVertex3f(124.61,-81.00,30.00);
glNormal3f(-10.90,-14.89,-0.00);
glVertex3f( 104.68,-77.37,0.00);
glNormal3f(-10.90,-14.89,-0.00);
glVertex3f(104.68,-77.37,30.00);
glNormal3f(-17.34,-9.28,-0.00);
glVertex3f( 89.78,-66.47,0.00);
glNormal3f(-17.34,-9.28,-0.00);
glVertex3f(89.78,-66.47,30.00);
glNormal3f(-22.96,-3.09,-0.00);
glVertex3f( 80.50,-49.13,0.00);
glNormal3f(-22.96,-3.09,-0.00);
glVertex3f(80.50,-49.13,30.00);
glNormal3f(-22.54,2.31,0.00);
glVertex3f( 77.41,-26.17,0.00);
glNormal3f(-22.54,2.31,0.00);
glVertex3f(77.41,-26.17,30.00);
glNormal3f(-20.90,6.92,0.00);
glVertex3f( 79.71,-3.63,0.00);
glNormal3f(-20.90,6.92,0.00);
glVertex3f(79.71,-3.63,30.00);
glNormal3f(-18.02,11.07,0.00);
glVertex3f( 86.63,17.27,0.00);
glNormal3f(-18.02,11.07,0.00);
glVertex3f(86.63,17.27,30.00);
glNormal3f(-13.89,14.75,0.00);
glVertex3f( 97.70,35.29,0.00);
glNormal3f(-13.89,14.75,0.00);
glVertex3f(97.70,35.29,30.00);
glNormal3f(-8.87,17.49,0.00);
glVertex3f( 112.45,49.18,0.00);
glNormal3f(-8.87,17.49,0.00);
glVertex3f(112.45,49.18,30.00);
glNormal3f(-2.96,19.28,0.00);
glVertex3f( 129.94,58.04,0.00);
glNormal3f(-2.96,19.28,0.00);
glVertex3f(129.94,58.04,30.00);
glNormal3f(6.51,26.43,0.00);
glVertex3f( 149.22,61.00,0.00);
glNormal3f(6.51,26.43,0.00);
glVertex3f(149.22,61.00,30.00);
glNormal3f(19.52,16.63,0.00);
glVertex3f( 175.65,54.49,0.00);
glNormal3f(19.52,16.63,0.00);
glVertex3f(175.65,54.49,30.00);
glNormal3f(-0.00,0.86,0.00);
glVertex3f( 192.28,34.97,0.00);
glNormal3f(-0.00,0.86,0.00);
glVertex3f(192.28,34.97,30.00);
glNormal3f(-22.89,5.58,0.00);
glVertex3f( 193.14,34.97,0.00);
glNormal3f(-22.89,5.58,0.00);
glVertex3f(193.14,34.97,30.00);
glNormal3f(-0.00,22.31,0.00);
glVertex3f( 198.72,57.86,0.00);
glNormal3f(-0.00,22.31,0.00);
glVertex3f(198.72,57.86,30.00);
glNormal3f(72.02,-16.58,0.00);
glVertex3f( 221.03,57.86,0.00);
glNormal3f(72.02,-16.58,0.00);
glVertex3f(221.03,57.86,30.00);
glNormal3f(20.68,-3.97,0.00);
glVertex3f( 204.45,-14.16,0.00);
glNormal3f(20.68,-3.97,0.00);
glVertex3f(204.45,-14.16,30.00);
glNormal3f(15.34,-1.32,0.00);
glVertex3f( 200.48,-34.83,0.00);
glNormal3f(15.34,-1.32,0.00);
glVertex3f(200.48,-34.83,30.00);
glNormal3f(13.38,11.59,0.00);
glVertex3f( 199.16,-50.17,0.00);
glNormal3f(13.38,11.59,0.00);
glVertex3f(199.16,-50.17,30.00);
glNormal3f(-9.84,21.09,0.00);
glVertex3f( 210.75,-63.55,0.00);
glNormal3f(-9.84,21.09,0.00);
glVertex3f(210.75,-63.55,30.00);
glNormal3f(-11.70,8.64,0.00);
glVertex3f( 231.84,-53.70,0.00);
glNormal3f(-11.70,8.64,0.00);
glVertex3f(231.84,-53.70,30.00);
glNormal3f(-15.41,6.60,0.00);
glVertex3f( 240.48,-42.00,0.00);
glNormal3f(-15.41,6.60,0.00);
glVertex3f(240.48,-42.00,30.00);
glNormal3f(-18.19,4.18,0.00);
glVertex3f( 247.08,-26.59,0.00);
glNormal3f(-18.19,4.18,0.00);
glVertex3f(247.08,-26.59,30.00);
glNormal3f(-20.04,1.39,0.00);
glVertex3f( 251.26,-8.40,0.00);
glNormal3f(-20.04,1.39,0.00);
glVertex3f(251.26,-8.40,30.00);
glNormal3f(-16.39,-1.22,-0.00);
glVertex3f( 252.66,11.64,0.00);
glNormal3f(-16.39,-1.22,-0.00);
glVertex3f(252.66,11.64,30.00);
glNormal3f(-15.10,-3.67,-0.00);
glVertex3f( 251.43,28.03,0.00);
glNormal3f(-15.10,-3.67,-0.00);
glVertex3f(251.43,28.03,30.00);
glNormal3f(-13.82,-6.12,-0.00);
glVertex3f( 247.76,43.13,0.00);
glNormal3f(-13.82,-6.12,-0.00);
glVertex3f(247.76,43.13,30.00);
glNormal3f(-17.48,-13.45,-0.00);
glVertex3f( 241.64,56.95,0.00);
glNormal3f(-17.48,-13.45,-0.00);
glVertex3f(241.64,56.95,30.00);
glNormal3f(-12.91,-18.31,-0.00);
glVertex3f( 228.19,74.42,0.00);
glNormal3f(-12.91,-18.31,-0.00);
glVertex3f(228.19,74.42,30.00);
glNormal3f(-5.91,-14.61,-0.00);
glVertex3f( 209.88,87.34,0.00);
glNormal3f(-5.91,-14.61,-0.00);
glVertex3f(209.88,87.34,30.00);
glNormal3f(-3.54,-16.17,-0.00);
glVertex3f( 195.27,93.24,0.00);
glNormal3f(-3.54,-16.17,-0.00);
glVertex3f(195.27,93.24,30.00);
glNormal3f(-1.18,-17.73,-0.00);
glVertex3f( 179.11,96.79,0.00);
glNormal3f(-1.18,-17.73,-0.00);
glVertex3f(179.11,96.79,30.00);
glNormal3f(1.69,-22.19,0.00);
glVertex3f( 161.38,97.97,0.00);
glNormal3f(1.69,-22.19,0.00);
glVertex3f(161.38,97.97,30.00);
glNormal3f(5.08,-20.41,0.00);
glVertex3f( 139.18,96.27,0.00);
glNormal3f(5.08,-20.41,0.00);
glVertex3f(139.18,96.27,30.00);
glNormal3f(8.47,-18.63,0.00);
glVertex3f( 118.77,91.19,0.00);
glNormal3f(8.47,-18.63,0.00);
glVertex3f(118.77,91.19,30.00);
glNormal3f(18.62,-23.75,0.00);
glVertex3f( 100.14,82.72,0.00);
glNormal3f(18.62,-23.75,0.00);
glVertex3f(100.14,82.72,30.00);
glNormal3f(25.35,-18.03,0.00);
glVertex3f( 76.39,64.10,0.00);
glNormal3f(25.35,-18.03,0.00);
glVertex3f(76.39,64.10,30.00);
glNormal3f(14.79,-6.63,0.00);
glVertex3f( 58.37,38.75,0.00);
glNormal3f(14.79,-6.63,0.00);
glVertex3f(58.37,38.75,30.00);
glNormal3f(15.66,-4.74,0.00);
glVertex3f( 51.73,23.96,0.00);
glNormal3f(15.66,-4.74,0.00);
glVertex3f(51.73,23.96,30.00);
glNormal3f(16.52,-2.84,0.00);
glVertex3f( 46.99,8.30,0.00);
glNormal3f(16.52,-2.84,0.00);
glVertex3f(46.99,8.30,30.00);
glNormal3f(17.39,-0.95,0.00);
glVertex3f( 44.15,-8.22,0.00);
glNormal3f(17.39,-0.95,0.00);
glVertex3f(44.15,-8.22,30.00);
glNormal3f(17.62,1.25,0.00);
glVertex3f( 43.20,-25.61,0.00);
glNormal3f(17.62,1.25,0.00);
glVertex3f(43.20,-25.61,30.00);
glNormal3f(16.18,3.74,0.00);
glVertex3f( 44.45,-43.23,0.00);
glNormal3f(16.18,3.74,0.00);
glVertex3f(44.45,-43.23,30.00);
glNormal3f(14.74,6.24,0.00);
glVertex3f( 48.20,-59.41,0.00);
glNormal3f(14.74,6.24,0.00);
glVertex3f(48.20,-59.41,30.00);
glNormal3f(18.58,13.74,0.00);
glVertex3f( 54.44,-74.15,0.00);
glNormal3f(18.58,13.74,0.00);
glVertex3f(54.44,-74.15,30.00);
glNormal3f(13.70,18.74,0.00);
glVertex3f( 68.17,-92.73,0.00);
glNormal3f(13.70,18.74,0.00);
glVertex3f(68.17,-92.73,30.00);
glNormal3f(6.25,14.95,0.00);
glVertex3f( 86.91,-106.43,0.00);
glNormal3f(6.25,14.95,0.00);
glVertex3f(86.91,-106.43,30.00);
glNormal3f(3.75,16.52,0.00);
glVertex3f( 101.86,-112.68,0.00);
glNormal3f(3.75,16.52,0.00);
glVertex3f(101.86,-112.68,30.00);
glNormal3f(1.25,18.10,0.00);
glVertex3f( 118.39,-116.44,0.00);
glNormal3f(1.25,18.10,0.00);
glVertex3f(118.39,-116.44,30.00);
glNormal3f(-1.34,20.89,0.00);
glVertex3f( 136.48,-117.69,0.00);
glNormal3f(-1.34,20.89,0.00);
glVertex3f(136.48,-117.69,30.00);
glNormal3f(-4.03,21.17,0.00);
glVertex3f( 157.38,-116.35,0.00);
glNormal3f(-4.03,21.17,0.00);
glVertex3f(157.38,-116.35,30.00);
glNormal3f(-7.13,21.71,0.00);
glVertex3f( 178.55,-112.32,0.00);
glNormal3f(-7.13,21.71,0.00);
glVertex3f(178.55,-112.32,30.00);
glNormal3f(-10.67,22.50,0.00);
glVertex3f( 200.25,-105.19,0.00);
glNormal3f(-10.67,22.50,0.00);
glVertex3f(200.25,-105.19,30.00);
glNormal3f(16.02,7.88,0.00);
glVertex3f( 222.75,-94.52,0.00);
glNormal3f(16.02,7.88,0.00);
glVertex3f(222.75,-94.52,30.00);
glNormal3f(7.64,-14.22,0.00);
glVertex3f( 230.62,-110.53,0.00);
glNormal3f(7.64,-14.22,0.00);
glVertex3f(230.62,-110.53,30.00);
glNormal3f(6.32,-15.00,0.00);
glVertex3f( 216.40,-118.17,0.00);
glNormal3f(6.32,-15.00,0.00);
glVertex3f(216.40,-118.17,30.00);
glNormal3f(5.00,-15.78,0.00);
glVertex3f( 201.40,-124.49,0.00);
glNormal3f(5.00,-15.78,0.00);
glVertex3f(201.40,-124.49,30.00);
glNormal3f(3.62,-16.24,0.00);
glVertex3f( 185.62,-129.49,0.00);
glNormal3f(3.62,-16.24,0.00);
glVertex3f(185.62,-129.49,30.00);
glNormal3f(2.17,-16.38,0.00);
glVertex3f( 169.39,-133.11,0.00);
glNormal3f(2.17,-16.38,0.00);
glVertex3f(169.39,-133.11,30.00);
glNormal3f(0.72,-16.52,0.00);
glVertex3f( 153.01,-135.28,0.00);
glNormal3f(0.72,-16.52,0.00);
glVertex3f(153.01,-135.28,30.00);
glNormal3f(-1.51,-22.03,-0.00);
glVertex3f( 136.48,-136.00,0.00);
glNormal3f(-1.51,-22.03,-0.00);
glVertex3f(136.48,-136.00,30.00);
glNormal3f(-4.54,-20.10,-0.00);
glVertex3f( 114.46,-134.49,0.00);
glNormal3f(-4.54,-20.10,-0.00);
glVertex3f(114.46,-134.49,30.00);
glNormal3f(-7.57,-18.18,-0.00);
glVertex3f( 94.36,-129.95,0.00);
glNormal3f(-7.57,-18.18,-0.00);
glVertex3f(94.36,-129.95,30.00);
glNormal3f(-16.51,-22.78,-0.00);
glVertex3f( 76.18,-122.38,0.00);
glNormal3f(-16.51,-22.78,-0.00);
glVertex3f(76.18,-122.38,30.00);
glNormal3f(-22.28,-16.70,-0.00);
glVertex3f( 53.40,-105.88,0.00);
glNormal3f(-22.28,-16.70,-0.00);
glVertex3f(53.40,-105.88,30.00);
glNormal3f(-17.63,-7.59,-0.00);
glVertex3f( 36.70,-83.59,0.00);
glNormal3f(-17.63,-7.59,-0.00);
glVertex3f(36.70,-83.59,30.00);
glNormal3f(-19.33,-4.55,-0.00);
glVertex3f( 29.10,-65.96,0.00);
glNormal3f(-19.33,-4.55,-0.00);
glVertex3f(29.10,-65.96,30.00);
glNormal3f(-21.03,-1.52,-0.00);
glVertex3f( 24.55,-46.64,0.00);
glNormal3f(-21.03,-1.52,-0.00);
glVertex3f(24.55,-46.64,30.00);
glNormal3f(-19.51,1.11,0.00);
glVertex3f( 23.03,-25.61,0.00);
glNormal3f(-19.51,1.11,0.00);
glVertex3f(23.03,-25.61,30.00);
glNormal3f(-18.60,3.34,0.00);
glVertex3f( 24.14,-6.10,0.00);
glNormal3f(-18.60,3.34,0.00);
glVertex3f(24.14,-6.10,30.00);
glNormal3f(-17.69,5.57,0.00);
glVertex3f( 27.48,12.50,0.00);
glNormal3f(-17.69,5.57,0.00);
glVertex3f(27.48,12.50,30.00);
glNormal3f(-16.79,7.79,0.00);
glVertex3f( 33.05,30.19,0.00);
glNormal3f(-16.79,7.79,0.00);
glVertex3f(33.05,30.19,30.00);
glNormal3f(-20.17,13.41,0.00);
glVertex3f( 40.84,46.98,0.00);
glNormal3f(-20.17,13.41,0.00);
glVertex3f(40.84,46.98,30.00);
glNormal3f(-16.95,16.48,0.00);
glVertex3f( 54.25,67.14,0.00);
glNormal3f(-16.95,16.48,0.00);
glVertex3f(54.25,67.14,30.00);
glNormal3f(-13.73,19.54,0.00);
glVertex3f( 70.73,84.09,0.00);
glNormal3f(-13.73,19.54,0.00);
glVertex3f(70.73,84.09,30.00);
glNormal3f(-7.95,16.28,0.00);
glVertex3f( 90.27,97.82,0.00);
glNormal3f(-7.95,16.28,0.00);
glVertex3f(90.27,97.82,30.00);
glNormal3f(-5.68,17.23,0.00);
glVertex3f( 106.56,105.77,0.00);
glNormal3f(-5.68,17.23,0.00);
glVertex3f(106.56,105.77,30.00);
glNormal3f(-3.41,18.18,0.00);
glVertex3f( 123.79,111.46,0.00);
glNormal3f(-3.41,18.18,0.00);
glVertex3f(123.79,111.46,30.00);
glNormal3f(-1.14,19.13,0.00);
glVertex3f( 141.97,114.86,0.00);
glNormal3f(-1.14,19.13,0.00);
glVertex3f(141.97,114.86,30.00);
glNormal3f(1.44,21.93,0.00);
glVertex3f( 161.09,116.00,0.00);
glNormal3f(1.44,21.93,0.00);
glVertex3f(161.09,116.00,30.00);
glNormal3f(4.31,19.84,0.00);
glVertex3f( 183.03,114.56,0.00);
glNormal3f(4.31,19.84,0.00);
glVertex3f(183.03,114.56,30.00);
glNormal3f(7.18,17.74,0.00);
glVertex3f( 202.86,110.26,0.00);
glNormal3f(7.18,17.74,0.00);
glVertex3f(202.86,110.26,30.00);
glNormal3f(15.58,22.09,0.00);
glVertex3f( 220.60,103.08,0.00);
glNormal3f(15.58,22.09,0.00);
glVertex3f(220.60,103.08,30.00);
glNormal3f(20.90,16.19,0.00);
glVertex3f( 242.69,87.50,0.00);
glNormal3f(20.90,16.19,0.00);
glVertex3f(242.69,87.50,30.00);
glNormal3f(16.54,7.35,0.00);
glVertex3f( 258.88,66.60,0.00);
glNormal3f(16.54,7.35,0.00);
glVertex3f(258.88,66.60,30.00);
glNormal3f(18.22,4.41,0.00);
glVertex3f( 266.23,50.06,0.00);
glNormal3f(18.22,4.41,0.00);
glVertex3f(266.23,50.06,30.00);
glNormal3f(19.90,1.47,0.00);
glVertex3f( 270.64,31.84,0.00);
glNormal3f(19.90,1.47,0.00);
glVertex3f(270.64,31.84,30.00);

glEnd();

glBegin(GL_QUAD_STRIP);
glNormal3f(-20.62,3.30,0.00);
glVertex3f( 182.12,-10.08,0.00);
glNormal3f(-20.62,3.30,0.00);
glVertex3f(182.12,-10.08,30.00);
glNormal3f(-23.39,-9.45,-0.00);
glVertex3f( 185.42,10.55,0.00);
glNormal3f(-23.39,-9.45,-0.00);
glVertex3f(185.42,10.55,30.00);
glNormal3f(-8.89,-25.18,-0.00);
glVertex3f( 175.98,33.94,0.00);
glNormal3f(-8.89,-25.18,-0.00);
glVertex3f(175.98,33.94,30.00);
glNormal3f(9.03,-25.69,0.00);
glVertex3f( 150.80,42.83,0.00);
glNormal3f(9.03,-25.69,0.00);
glVertex3f(150.80,42.83,30.00);
glNormal3f(25.03,-17.67,0.00);
glVertex3f( 125.11,33.80,0.00);
glNormal3f(25.03,-17.67,0.00);
glVertex3f(125.11,33.80,30.00);
glNormal3f(16.66,-4.83,0.00);
glVertex3f( 107.44,8.77,0.00);
glNormal3f(16.66,-4.83,0.00);
glVertex3f(107.44,8.77,30.00);
glNormal3f(17.97,-1.61,0.00);
glVertex3f( 102.61,-7.89,0.00);
glNormal3f(17.97,-1.61,0.00);
glVertex3f(102.61,-7.89,30.00);
glNormal3f(26.73,6.80,0.00);
glVertex3f( 101.00,-25.86,0.00);
glNormal3f(26.73,6.80,0.00);
glVertex3f(101.00,-25.86,30.00);
glNormal3f(9.67,20.97,0.00);
glVertex3f( 107.80,-52.59,0.00);
glNormal3f(9.67,20.97,0.00);
glVertex3f(107.80,-52.59,30.00);
glNormal3f(-3.73,17.13,0.00);
glVertex3f( 128.77,-62.27,0.00);
glNormal3f(-3.73,17.13,0.00);
glVertex3f(128.77,-62.27,30.00);
glNormal3f(-11.20,15.63,0.00);
glVertex3f( 145.89,-58.53,0.00);
glNormal3f(-11.20,15.63,0.00);
glVertex3f(145.89,-58.53,30.00);
glNormal3f(-16.78,12.59,0.00);
glVertex3f( 161.52,-47.34,0.00);
glNormal3f(-16.78,12.59,0.00);
glVertex3f(161.52,-47.34,30.00);
glNormal3f(-20.48,8.01,0.00);
glVertex3f( 174.12,-30.56,0.00);
glNormal3f(-20.48,8.01,0.00);
glVertex3f(174.12,-30.56,30.00);
glNormal3f(-20.62,3.30,0.00);
glVertex3f( 182.12,-10.08,0.00);
glNormal3f(-20.62,3.30,0.00);
glVertex3f(182.12,-10.08,30.00);

glEnd();

glMaterialfv(GL_FRONT,GL_EMISSION,bevel_emission);
glMaterialfv(GL_FRONT,GL_AMBIENT,bevel_ambient);

glMaterialfv(GL_FRONT,GL_DIFFUSE,bevel_diffuse);
glMaterialfv(GL_FRONT,GL_SPECULAR,bevel_specular);

glMaterialfv(GL_FRONT,GL_SHININESS,bevel_shininess);

glBegin(GL_TRIANGLES);

glNormal3f(0.88,0.06,0.47);

glVertex3f(270.64,31.84,30.00);
glNormal3f(0.88,0.06,0.47);

glVertex3f(272.11,11.94,30.00);
glNormal3f(0.88,0.06,0.47);
glVertex3f(267.99,31.42,35.00);
glNormal3f(0.88,0.06,0.47);

glVertex3f(267.99,31.42,35.00);
glNormal3f(0.88,0.06,0.47);

glVertex3f(272.11,11.94,30.00);
glNormal3f(0.88,0.06,0.47);

glVertex3f(269.43,11.91,35.00);
glNormal3f(0.88,-0.05,0.47);

glVertex3f(272.11,11.94,30.00);
glNormal3f(0.88,-0.05,0.47);

glVertex3f(271.20,-5.21,30.00);
glNormal3f(0.88,-0.05,0.47);
glVertex3f(269.43,11.91,35.00);
glNormal3f(0.88,-0.05,0.47);

glVertex3f(269.43,11.91,35.00);
glNormal3f(0.88,-0.05,0.47);

glVertex3f(271.20,-5.21,30.00);
glNormal3f(0.88,-0.05,0.47);

glVertex3f(268.54,-4.91,35.00);
glNormal3f(0.87,-0.15,0.47);

glVertex3f(271.20,-5.21,30.00);
glNormal3f(0.87,-0.15,0.47);

glVertex3f(268.45,-21.22,30.00);
glNormal3f(0.87,-0.15,0.47);
glVertex3f(268.54,-4.91,35.00);
glNormal3f(0.87,-0.15,0.47);

glVertex3f(268.54,-4.91,35.00);
glNormal3f(0.87,-0.15,0.47);

glVertex3f(268.45,-21.22,30.00);
glNormal3f(0.87,-0.15,0.47);

glVertex3f(265.85,-20.60,35.00);
glNormal3f(0.84,-0.26,0.47);

glVertex3f(268.45,-21.22,30.00);
glNormal3f(0.84,-0.26,0.47);

glVertex3f(263.88,-36.11,30.00);
glNormal3f(0.84,-0.26,0.47);
glVertex3f(265.85,-20.60,35.00);
glNormal3f(0.84,-0.26,0.47);

glVertex3f(265.85,-20.60,35.00);
glNormal3f(0.84,-0.26,0.47);

glVertex3f(263.88,-36.11,30.00);
glNormal3f(0.84,-0.26,0.47);

glVertex3f(261.39,-35.09,35.00);
glNormal3f(0.78,-0.40,0.47);

glVertex3f(263.88,-36.11,30.00);
glNormal3f(0.78,-0.40,0.47);

glVertex3f(254.05,-55.15,30.00);
glNormal3f(0.78,-0.40,0.47);
glVertex3f(261.39,-35.09,35.00);
glNormal3f(0.78,-0.40,0.47);

glVertex3f(261.39,-35.09,35.00);
glNormal3f(0.78,-0.40,0.47);

glVertex3f(254.05,-55.15,30.00);
glNormal3f(0.78,-0.40,0.47);

glVertex3f(251.82,-53.59,35.00);
glNormal3f(0.65,-0.60,0.47);

glVertex3f(254.05,-55.15,30.00);
glNormal3f(0.65,-0.60,0.47);

glVertex3f(240.99,-69.30,30.00);
glNormal3f(0.65,-0.60,0.47);
glVertex3f(251.82,-53.59,35.00);
glNormal3f(0.65,-0.60,0.47);

glVertex3f(251.82,-53.59,35.00);
glNormal3f(0.65,-0.60,0.47);

glVertex3f(240.99,-69.30,30.00);
glNormal3f(0.65,-0.60,0.47);

glVertex3f(239.30,-67.16,35.00);
glNormal3f(0.43,-0.77,0.47);

glVertex3f(240.99,-69.30,30.00);
glNormal3f(0.43,-0.77,0.47);

glVertex3f(225.45,-78.07,30.00);
glNormal3f(0.43,-0.77,0.47);
glVertex3f(239.30,-67.16,35.00);
glNormal3f(0.43,-0.77,0.48);

glVertex3f(239.30,-67.16,35.00);
glNormal3f(0.43,-0.77,0.48);

glVertex3f(225.45,-78.07,30.00);
glNormal3f(0.43,-0.77,0.48);

glVertex3f(224.53,-75.49,35.00);
glNormal3f(0.15,-0.87,0.48);

glVertex3f(225.45,-78.07,30.00);
glNormal3f(0.15,-0.87,0.48);

glVertex3f(208.16,-81.00,30.00);
glNormal3f(0.15,-0.87,0.48);
glVertex3f(224.53,-75.49,35.00);
glNormal3f(0.15,-0.87,0.48);

glVertex3f(224.53,-75.49,35.00);
glNormal3f(0.15,-0.87,0.48);

glVertex3f(208.16,-81.00,30.00);
glNormal3f(0.15,-0.87,0.48);

glVertex3f(208.31,-78.21,35.00);
glNormal3f(-0.24,-0.84,0.48);

glVertex3f(208.16,-81.00,30.00);
glNormal3f(-0.24,-0.84,0.48);

glVertex3f(186.27,-74.70,30.00);
glNormal3f(-0.24,-0.84,0.48);
glVertex3f(208.31,-78.21,35.00);
glNormal3f(-0.19,-0.67,0.71);

glVertex3f(208.31,-78.21,35.00);
glNormal3f(-0.19,-0.67,0.71);

glVertex3f(186.27,-74.70,30.00);
glNormal3f(-0.19,-0.67,0.71);

glVertex3f(190.05,-70.49,35.00);
glNormal3f(-0.65,-0.27,0.71);

glVertex3f(186.27,-74.70,30.00);
glNormal3f(-0.65,-0.27,0.71);

glVertex3f(178.55,-55.81,30.00);
glNormal3f(-0.65,-0.27,0.71);
glVertex3f(190.05,-70.49,35.00);
glNormal3f(-0.81,-0.33,0.48);

glVertex3f(190.05,-70.49,35.00);
glNormal3f(-0.81,-0.33,0.48);

glVertex3f(178.55,-55.81,30.00);
glNormal3f(-0.81,-0.33,0.48);

glVertex3f(181.29,-55.33,35.00);
glNormal3f(-0.88,0.04,0.48);

glVertex3f(178.55,-55.81,30.00);
glNormal3f(-0.88,0.04,0.48);

glVertex3f(178.97,-45.80,30.00);
glNormal3f(-0.88,0.04,0.48);
glVertex3f(181.29,-55.33,35.00);
glNormal3f(-0.79,0.03,0.62);

glVertex3f(181.29,-55.33,35.00);
glNormal3f(-0.79,0.03,0.62);

glVertex3f(178.97,-45.80,30.00);
glNormal3f(-0.79,0.03,0.62);

glVertex3f(183.05,-41.88,35.00);
glNormal3f(-0.00,-0.79,0.62);

glVertex3f(178.97,-45.80,30.00);
glNormal3f(-0.00,-0.79,0.62);

glVertex3f(178.12,-45.80,30.00);
glNormal3f(-0.00,-0.79,0.62);
glVertex3f(183.05,-41.88,35.00);
glNormal3f(-0.00,-0.70,0.72);

glVertex3f(183.05,-41.88,35.00);
glNormal3f(-0.00,-0.70,0.72);

glVertex3f(178.12,-45.80,30.00);
glNormal3f(-0.00,-0.70,0.72);

glVertex3f(175.80,-40.64,35.00);
glNormal3f(0.52,-0.46,0.72);

glVertex3f(178.12,-45.80,30.00);
glNormal3f(0.52,-0.46,0.72);

glVertex3f(154.73,-72.20,30.00);
glNormal3f(0.52,-0.46,0.72);
glVertex3f(175.80,-40.64,35.00);
glNormal3f(0.66,-0.58,0.48);

glVertex3f(175.80,-40.64,35.00);
glNormal3f(0.66,-0.58,0.48);

glVertex3f(154.73,-72.20,30.00);
glNormal3f(0.66,-0.58,0.48);

glVertex3f(153.07,-69.97,35.00);
glNormal3f(0.36,-0.80,0.48);

glVertex3f(154.73,-72.20,30.00);
glNormal3f(0.36,-0.80,0.48);

glVertex3f(140.22,-78.80,30.00);
glNormal3f(0.36,-0.80,0.48);
glVertex3f(153.07,-69.97,35.00);
glNormal3f(0.36,-0.80,0.47);

glVertex3f(153.07,-69.97,35.00);
glNormal3f(0.36,-0.80,0.47);

glVertex3f(140.22,-78.80,30.00);
glNormal3f(0.36,-0.80,0.47);

glVertex3f(139.46,-76.19,35.00);
glNormal3f(0.12,-0.87,0.47);

glVertex3f(140.22,-78.80,30.00);
glNormal3f(0.12,-0.87,0.47);

glVertex3f(124.61,-81.00,30.00);
glNormal3f(0.12,-0.87,0.47);
glVertex3f(139.46,-76.19,35.00);
glNormal3f(0.12,-0.87,0.48);

glVertex3f(139.46,-76.19,35.00);
glNormal3f(0.12,-0.87,0.48);

glVertex3f(124.61,-81.00,30.00);
glNormal3f(0.12,-0.87,0.48);

glVertex3f(124.66,-78.27,35.00);
glNormal3f(-0.16,-0.87,0.48);

glVertex3f(124.61,-81.00,30.00);
glNormal3f(-0.16,-0.87,0.48);

glVertex3f(104.68,-77.37,30.00);
glNormal3f(-0.16,-0.87,0.48);
glVertex3f(124.66,-78.27,35.00);
glNormal3f(-0.16,-0.86,0.48);

glVertex3f(124.66,-78.27,35.00);
glNormal3f(-0.16,-0.86,0.48);

glVertex3f(104.68,-77.37,30.00);
glNormal3f(-0.16,-0.86,0.48);

glVertex3f(105.78,-74.79,35.00);
glNormal3f(-0.52,-0.71,0.48);

glVertex3f(104.68,-77.37,30.00);
glNormal3f(-0.52,-0.71,0.48);

glVertex3f(89.78,-66.47,30.00);
glNormal3f(-0.52,-0.71,0.48);
glVertex3f(105.78,-74.79,35.00);
glNormal3f(-0.52,-0.71,0.48);

glVertex3f(105.78,-74.79,35.00);
glNormal3f(-0.52,-0.71,0.48);

glVertex3f(89.78,-66.47,30.00);
glNormal3f(-0.52,-0.71,0.48);

glVertex3f(91.89,-64.63,35.00);
glNormal3f(-0.77,-0.41,0.48);

glVertex3f(89.78,-66.47,30.00);
glNormal3f(-0.77,-0.41,0.48);

glVertex3f(80.50,-49.13,30.00);
glNormal3f(-0.77,-0.41,0.48);
glVertex3f(91.89,-64.63,35.00);
glNormal3f(-0.78,-0.41,0.48);

glVertex3f(91.89,-64.63,35.00);
glNormal3f(-0.78,-0.41,0.48);

glVertex3f(80.50,-49.13,30.00);
glNormal3f(-0.78,-0.41,0.48);

glVertex3f(83.12,-48.28,35.00);
glNormal3f(-0.87,-0.12,0.48);

glVertex3f(80.50,-49.13,30.00);
glNormal3f(-0.87,-0.12,0.48);

glVertex3f(77.41,-26.17,30.00);
glNormal3f(-0.87,-0.12,0.48);
glVertex3f(83.12,-48.28,35.00);
glNormal3f(-0.87,-0.12,0.47);

glVertex3f(83.12,-48.28,35.00);
glNormal3f(-0.87,-0.12,0.47);

glVertex3f(77.41,-26.17,30.00);
glNormal3f(-0.87,-0.12,0.47);

glVertex3f(80.11,-26.13,35.00);
glNormal3f(-0.88,0.09,0.47);

glVertex3f(77.41,-26.17,30.00);
glNormal3f(-0.88,0.09,0.47);

glVertex3f(79.71,-3.63,30.00);
glNormal3f(-0.88,0.09,0.47);
glVertex3f(80.11,-26.13,35.00);
glNormal3f(-0.88,0.09,0.47);

glVertex3f(80.11,-26.13,35.00);
glNormal3f(-0.88,0.09,0.47);

glVertex3f(79.71,-3.63,30.00);
glNormal3f(-0.88,0.09,0.47);

glVertex3f(82.35,-4.20,35.00);
glNormal3f(-0.84,0.28,0.47);

glVertex3f(79.71,-3.63,30.00);
glNormal3f(-0.84,0.28,0.47);

glVertex3f(86.63,17.27,30.00);
glNormal3f(-0.84,0.28,0.47);
glVertex3f(82.35,-4.20,35.00);
glNormal3f(-0.84,0.28,0.47);

glVertex3f(82.35,-4.20,35.00);
glNormal3f(-0.84,0.28,0.47);

glVertex3f(86.63,17.27,30.00);
glNormal3f(-0.84,0.28,0.47);

glVertex3f(89.08,16.13,35.00);
glNormal3f(-0.75,0.46,0.47);

glVertex3f(86.63,17.27,30.00);
glNormal3f(-0.75,0.46,0.47);

glVertex3f(97.70,35.29,30.00);
glNormal3f(-0.75,0.46,0.47);
glVertex3f(89.08,16.13,35.00);
glNormal3f(-0.75,0.46,0.47);

glVertex3f(89.08,16.13,35.00);
glNormal3f(-0.75,0.46,0.47);

glVertex3f(97.70,35.29,30.00);
glNormal3f(-0.75,0.46,0.47);

glVertex3f(99.81,33.58,35.00);
glNormal3f(-0.60,0.64,0.47);

glVertex3f(97.70,35.29,30.00);
glNormal3f(-0.60,0.64,0.47);

glVertex3f(112.45,49.18,30.00);
glNormal3f(-0.60,0.64,0.47);
glVertex3f(99.81,33.58,35.00);
glNormal3f(-0.60,0.64,0.47);

glVertex3f(99.81,33.58,35.00);
glNormal3f(-0.60,0.64,0.47);

glVertex3f(112.45,49.18,30.00);
glNormal3f(-0.60,0.64,0.47);

glVertex3f(114.02,46.95,35.00);
glNormal3f(-0.40,0.79,0.47);

glVertex3f(112.45,49.18,30.00);
glNormal3f(-0.40,0.79,0.47);

glVertex3f(129.94,58.04,30.00);
glNormal3f(-0.40,0.79,0.47);
glVertex3f(114.02,46.95,35.00);
glNormal3f(-0.40,0.78,0.47);

glVertex3f(114.02,46.95,35.00);
glNormal3f(-0.40,0.78,0.47);

glVertex3f(129.94,58.04,30.00);
glNormal3f(-0.40,0.78,0.47);

glVertex3f(130.78,55.44,35.00);
glNormal3f(-0.13,0.87,0.47);

glVertex3f(129.94,58.04,30.00);
glNormal3f(-0.13,0.87,0.47);

glVertex3f(149.22,61.00,30.00);
glNormal3f(-0.13,0.87,0.47);
glVertex3f(130.78,55.44,35.00);
glNormal3f(-0.13,0.87,0.48);

glVertex3f(130.78,55.44,35.00);
glNormal3f(-0.13,0.87,0.48);

glVertex3f(149.22,61.00,30.00);
glNormal3f(-0.13,0.87,0.48);

glVertex3f(149.10,58.23,35.00);
glNormal3f(0.21,0.85,0.48);

glVertex3f(149.22,61.00,30.00);
glNormal3f(0.21,0.85,0.48);

glVertex3f(175.65,54.49,30.00);
glNormal3f(0.21,0.85,0.48);
glVertex3f(149.10,58.23,35.00);
glNormal3f(0.21,0.85,0.49);

glVertex3f(149.10,58.23,35.00);
glNormal3f(0.21,0.85,0.49);

glVertex3f(175.65,54.49,30.00);
glNormal3f(0.21,0.85,0.49);

glVertex3f(174.12,52.01,35.00);
glNormal3f(0.67,0.57,0.49);

glVertex3f(175.65,54.49,30.00);
glNormal3f(0.67,0.57,0.49);

glVertex3f(192.28,34.97,30.00);
glNormal3f(0.67,0.57,0.49);
glVertex3f(174.12,52.01,35.00);
glNormal3f(0.53,0.45,0.72);

glVertex3f(174.12,52.01,35.00);
glNormal3f(0.53,0.45,0.72);

glVertex3f(192.28,34.97,30.00);
glNormal3f(0.53,0.45,0.72);

glVertex3f(189.91,29.83,35.00);
glNormal3f(-0.00,0.70,0.72);

glVertex3f(192.28,34.97,30.00);
glNormal3f(-0.00,0.70,0.72);

glVertex3f(193.14,34.97,30.00);
glNormal3f(-0.00,0.70,0.72);
glVertex3f(189.91,29.83,35.00);
glNormal3f(-0.00,0.75,0.66);

glVertex3f(189.91,29.83,35.00);
glNormal3f(-0.00,0.75,0.66);

glVertex3f(193.14,34.97,30.00);
glNormal3f(-0.00,0.75,0.66);

glVertex3f(196.64,30.52,35.00);
glNormal3f(-0.73,0.18,0.66);

glVertex3f(193.14,34.97,30.00);
glNormal3f(-0.73,0.18,0.66);

glVertex3f(198.72,57.86,30.00);
glNormal3f(-0.73,0.18,0.66);
glVertex3f(196.64,30.52,35.00);
glNormal3f(-0.73,0.18,0.66);

glVertex3f(196.64,30.52,35.00);
glNormal3f(-0.73,0.18,0.66);

glVertex3f(198.72,57.86,30.00);
glNormal3f(-0.73,0.18,0.66);

glVertex3f(202.21,53.41,35.00);
glNormal3f(-0.00,0.75,0.66);

glVertex3f(198.72,57.86,30.00);
glNormal3f(-0.00,0.75,0.66);

glVertex3f(221.03,57.86,30.00);
glNormal3f(-0.00,0.75,0.66);
glVertex3f(202.21,53.41,35.00);
glNormal3f(-0.00,0.82,0.58);

glVertex3f(202.21,53.41,35.00);
glNormal3f(-0.00,0.82,0.58);

glVertex3f(221.03,57.86,30.00);
glNormal3f(-0.00,0.82,0.58);

glVertex3f(216.61,54.34,35.00);
glNormal3f(0.80,-0.18,0.58);

glVertex3f(221.03,57.86,30.00);
glNormal3f(0.80,-0.18,0.58);

glVertex3f(204.45,-14.16,30.00);
glNormal3f(0.80,-0.18,0.58);
glVertex3f(216.61,54.34,35.00);
glNormal3f(0.86,-0.20,0.47);

glVertex3f(216.61,54.34,35.00);
glNormal3f(0.86,-0.20,0.47);

glVertex3f(204.45,-14.16,30.00);
glNormal3f(0.86,-0.20,0.47);

glVertex3f(201.84,-13.61,35.00);
glNormal3f(0.87,-0.17,0.47);

glVertex3f(204.45,-14.16,30.00);
glNormal3f(0.87,-0.17,0.47);

glVertex3f(200.48,-34.83,30.00);
glNormal3f(0.87,-0.17,0.47);
glVertex3f(201.84,-13.61,35.00);
glNormal3f(0.87,-0.17,0.47);

glVertex3f(201.84,-13.61,35.00);
glNormal3f(0.87,-0.17,0.47);

glVertex3f(200.48,-34.83,30.00);
glNormal3f(0.87,-0.17,0.47);

glVertex3f(197.83,-34.46,35.00);
glNormal3f(0.88,-0.08,0.47);

glVertex3f(200.48,-34.83,30.00);
glNormal3f(0.88,-0.08,0.47);

glVertex3f(199.16,-50.17,30.00);
glNormal3f(0.88,-0.08,0.47);
glVertex3f(197.83,-34.46,35.00);
glNormal3f(0.69,-0.06,0.72);

glVertex3f(197.83,-34.46,35.00);
glNormal3f(0.69,-0.06,0.72);

glVertex3f(199.16,-50.17,30.00);
glNormal3f(0.69,-0.06,0.72);

glVertex3f(193.78,-51.92,35.00);
glNormal3f(0.52,0.45,0.72);

glVertex3f(199.16,-50.17,30.00);
glNormal3f(0.52,0.45,0.72);

glVertex3f(210.75,-63.55,30.00);
glNormal3f(0.52,0.45,0.72);
glVertex3f(193.78,-51.92,35.00);
glNormal3f(0.56,0.49,0.67);

glVertex3f(193.78,-51.92,35.00);
glNormal3f(0.56,0.49,0.67);

glVertex3f(210.75,-63.55,30.00);
glNormal3f(0.56,0.49,0.67);

glVertex3f(209.57,-69.08,35.00);
glNormal3f(-0.31,0.67,0.67);

glVertex3f(210.75,-63.55,30.00);
glNormal3f(-0.31,0.67,0.67);

glVertex3f(231.84,-53.70,30.00);
glNormal3f(-0.31,0.67,0.67);
glVertex3f(209.57,-69.08,35.00);
glNormal3f(-0.37,0.79,0.48);

glVertex3f(209.57,-69.08,35.00);
glNormal3f(-0.37,0.79,0.48);

glVertex3f(231.84,-53.70,30.00);
glNormal3f(-0.37,0.79,0.48);

glVertex3f(233.64,-55.89,35.00);
glNormal3f(-0.71,0.52,0.48);

glVertex3f(231.84,-53.70,30.00);
glNormal3f(-0.71,0.52,0.48);

glVertex3f(240.48,-42.00,30.00);
glNormal3f(-0.71,0.52,0.48);
glVertex3f(233.64,-55.89,35.00);
glNormal3f(-0.71,0.52,0.47);

glVertex3f(233.64,-55.89,35.00);
glNormal3f(-0.71,0.52,0.47);

glVertex3f(240.48,-42.00,30.00);
glNormal3f(-0.71,0.52,0.47);

glVertex3f(242.83,-43.35,35.00);
glNormal3f(-0.81,0.35,0.47);

glVertex3f(240.48,-42.00,30.00);
glNormal3f(-0.81,0.35,0.47);

glVertex3f(247.08,-26.59,30.00);
glNormal3f(-0.81,0.35,0.47);
glVertex3f(242.83,-43.35,35.00);
glNormal3f(-0.81,0.35,0.47);

glVertex3f(242.83,-43.35,35.00);
glNormal3f(-0.81,0.35,0.47);

glVertex3f(247.08,-26.59,30.00);
glNormal3f(-0.81,0.35,0.47);

glVertex3f(249.63,-27.43,35.00);
glNormal3f(-0.86,0.20,0.47);

glVertex3f(247.08,-26.59,30.00);
glNormal3f(-0.86,0.20,0.47);

glVertex3f(251.26,-8.40,30.00);
glNormal3f(-0.86,0.20,0.47);
glVertex3f(249.63,-27.43,35.00);
glNormal3f(-0.86,0.20,0.47);

glVertex3f(249.63,-27.43,35.00);
glNormal3f(-0.86,0.20,0.47);

glVertex3f(251.26,-8.40,30.00);
glNormal3f(-0.86,0.20,0.47);

glVertex3f(253.92,-8.80,35.00);
glNormal3f(-0.88,0.06,0.47);

glVertex3f(251.26,-8.40,30.00);
glNormal3f(-0.88,0.06,0.47);

glVertex3f(252.66,11.64,30.00);
glNormal3f(-0.88,0.06,0.47);
glVertex3f(253.92,-8.80,35.00);
glNormal3f(-0.88,0.06,0.47);

glVertex3f(253.92,-8.80,35.00);
glNormal3f(-0.88,0.06,0.47);

glVertex3f(252.66,11.64,30.00);
glNormal3f(-0.88,0.06,0.47);

glVertex3f(255.34,11.65,35.00);
glNormal3f(-0.88,-0.07,0.47);

glVertex3f(252.66,11.64,30.00);
glNormal3f(-0.88,-0.07,0.47);

glVertex3f(251.43,28.03,30.00);
glNormal3f(-0.88,-0.07,0.47);
glVertex3f(255.34,11.65,35.00);
glNormal3f(-0.88,-0.07,0.47);

glVertex3f(255.34,11.65,35.00);
glNormal3f(-0.88,-0.07,0.47);

glVertex3f(251.43,28.03,30.00);
glNormal3f(-0.88,-0.07,0.47);

glVertex3f(254.08,28.45,35.00);
glNormal3f(-0.86,-0.21,0.47);

glVertex3f(251.43,28.03,30.00);
glNormal3f(-0.86,-0.21,0.47);

glVertex3f(247.76,43.13,30.00);
glNormal3f(-0.86,-0.21,0.47);
glVertex3f(254.08,28.45,35.00);
glNormal3f(-0.86,-0.21,0.47);

glVertex3f(254.08,28.45,35.00);
glNormal3f(-0.86,-0.21,0.47);

glVertex3f(247.76,43.13,30.00);
glNormal3f(-0.86,-0.21,0.47);

glVertex3f(250.31,44.00,35.00);
glNormal3f(-0.81,-0.36,0.47);

glVertex3f(247.76,43.13,30.00);
glNormal3f(-0.81,-0.36,0.47);

glVertex3f(241.64,56.95,30.00);
glNormal3f(-0.81,-0.36,0.47);
glVertex3f(250.31,44.00,35.00);
glNormal3f(-0.81,-0.36,0.47);

glVertex3f(250.31,44.00,35.00);
glNormal3f(-0.81,-0.36,0.47);

glVertex3f(241.64,56.95,30.00);
glNormal3f(-0.81,-0.36,0.47);

glVertex3f(243.97,58.33,35.00);
glNormal3f(-0.70,-0.54,0.47);

glVertex3f(241.64,56.95,30.00);
glNormal3f(-0.70,-0.54,0.47);

glVertex3f(228.19,74.42,30.00);
glNormal3f(-0.70,-0.54,0.47);
glVertex3f(243.97,58.33,35.00);
glNormal3f(-0.70,-0.54,0.47);

glVertex3f(243.97,58.33,35.00);
glNormal3f(-0.70,-0.54,0.47);

glVertex3f(228.19,74.42,30.00);
glNormal3f(-0.70,-0.54,0.47);

glVertex3f(230.08,76.39,35.00);
glNormal3f(-0.51,-0.72,0.47);

glVertex3f(228.19,74.42,30.00);
glNormal3f(-0.51,-0.72,0.47);

glVertex3f(209.88,87.34,30.00);
glNormal3f(-0.51,-0.72,0.47);
glVertex3f(230.08,76.39,35.00);
glNormal3f(-0.51,-0.72,0.47);

glVertex3f(230.08,76.39,35.00);
glNormal3f(-0.51,-0.72,0.47);

glVertex3f(209.88,87.34,30.00);
glNormal3f(-0.51,-0.72,0.47);

glVertex3f(211.18,89.71,35.00);
glNormal3f(-0.33,-0.82,0.47);

glVertex3f(209.88,87.34,30.00);
glNormal3f(-0.33,-0.82,0.47);

glVertex3f(195.27,93.24,30.00);
glNormal3f(-0.33,-0.82,0.47);
glVertex3f(211.18,89.71,35.00);
glNormal3f(-0.33,-0.82,0.47);

glVertex3f(211.18,89.71,35.00);
glNormal3f(-0.33,-0.82,0.47);

glVertex3f(195.27,93.24,30.00);
glNormal3f(-0.33,-0.82,0.47);

glVertex3f(196.07,95.81,35.00);
glNormal3f(-0.19,-0.86,0.47);

glVertex3f(195.27,93.24,30.00);
glNormal3f(-0.19,-0.86,0.47);

glVertex3f(179.11,96.79,30.00);
glNormal3f(-0.19,-0.86,0.47);
glVertex3f(196.07,95.81,35.00);
glNormal3f(-0.19,-0.86,0.47);

glVertex3f(196.07,95.81,35.00);
glNormal3f(-0.19,-0.86,0.47);

glVertex3f(179.11,96.79,30.00);
glNormal3f(-0.19,-0.86,0.47);

glVertex3f(179.48,99.44,35.00);
glNormal3f(-0.06,-0.88,0.47);

glVertex3f(179.11,96.79,30.00);
glNormal3f(-0.06,-0.88,0.47);

glVertex3f(161.38,97.97,30.00);
glNormal3f(-0.06,-0.88,0.47);
glVertex3f(179.48,99.44,35.00);
glNormal3f(-0.06,-0.88,0.47);

glVertex3f(179.48,99.44,35.00);
glNormal3f(-0.06,-0.88,0.47);

glVertex3f(161.38,97.97,30.00);
glNormal3f(-0.06,-0.88,0.47);

glVertex3f(161.36,100.65,35.00);
glNormal3f(0.07,-0.88,0.47);

glVertex3f(161.38,97.97,30.00);
glNormal3f(0.07,-0.88,0.47);

glVertex3f(139.18,96.27,30.00);
glNormal3f(0.07,-0.88,0.47);
glVertex3f(161.36,100.65,35.00);
glNormal3f(0.07,-0.88,0.47);

glVertex3f(161.36,100.65,35.00);
glNormal3f(0.07,-0.88,0.47);

glVertex3f(139.18,96.27,30.00);
glNormal3f(0.07,-0.88,0.47);

glVertex3f(138.75,98.93,35.00);
glNormal3f(0.21,-0.86,0.47);

glVertex3f(139.18,96.27,30.00);
glNormal3f(0.21,-0.86,0.47);

glVertex3f(118.77,91.19,30.00);
glNormal3f(0.21,-0.86,0.47);
glVertex3f(138.75,98.93,35.00);
glNormal3f(0.21,-0.86,0.47);

glVertex3f(138.75,98.93,35.00);
glNormal3f(0.21,-0.86,0.47);

glVertex3f(118.77,91.19,30.00);
glNormal3f(0.21,-0.86,0.47);

glVertex3f(117.89,93.73,35.00);
glNormal3f(0.36,-0.80,0.47);

glVertex3f(118.77,91.19,30.00);
glNormal3f(0.36,-0.80,0.47);

glVertex3f(100.14,82.72,30.00);
glNormal3f(0.36,-0.80,0.47);
glVertex3f(117.89,93.73,35.00);
glNormal3f(0.36,-0.80,0.47);

glVertex3f(117.89,93.73,35.00);
glNormal3f(0.36,-0.80,0.47);

glVertex3f(100.14,82.72,30.00);
glNormal3f(0.36,-0.80,0.47);

glVertex3f(98.74,85.03,35.00);
glNormal3f(0.54,-0.69,0.47);

glVertex3f(100.14,82.72,30.00);
glNormal3f(0.54,-0.69,0.47);

glVertex3f(76.39,64.10,30.00);
glNormal3f(0.54,-0.69,0.47);
glVertex3f(98.74,85.03,35.00);
glNormal3f(0.54,-0.69,0.47);

glVertex3f(98.74,85.03,35.00);
glNormal3f(0.54,-0.69,0.47);

glVertex3f(76.39,64.10,30.00);
glNormal3f(0.54,-0.69,0.47);

glVertex3f(74.42,65.98,35.00);
glNormal3f(0.72,-0.51,0.47);

glVertex3f(76.39,64.10,30.00);
glNormal3f(0.72,-0.51,0.47);

glVertex3f(58.37,38.75,30.00);
glNormal3f(0.72,-0.51,0.47);
glVertex3f(74.42,65.98,35.00);
glNormal3f(0.72,-0.51,0.47);

glVertex3f(74.42,65.98,35.00);
glNormal3f(0.72,-0.51,0.47);

glVertex3f(58.37,38.75,30.00);
glNormal3f(0.72,-0.51,0.47);

glVertex3f(56.03,40.09,35.00);
glNormal3f(0.80,-0.36,0.47);

glVertex3f(58.37,38.75,30.00);
glNormal3f(0.80,-0.36,0.47);

glVertex3f(51.73,23.96,30.00);
glNormal3f(0.80,-0.36,0.47);
glVertex3f(56.03,40.09,35.00);
glNormal3f(0.80,-0.36,0.47);

glVertex3f(56.03,40.09,35.00);
glNormal3f(0.80,-0.36,0.47);

glVertex3f(51.73,23.96,30.00);
glNormal3f(0.80,-0.36,0.47);

glVertex3f(49.22,24.90,35.00);
glNormal3f(0.84,-0.26,0.47);

glVertex3f(51.73,23.96,30.00);
glNormal3f(0.84,-0.26,0.47);

glVertex3f(46.99,8.30,30.00);
glNormal3f(0.84,-0.26,0.47);
glVertex3f(49.22,24.90,35.00);
glNormal3f(0.84,-0.26,0.47);

glVertex3f(49.22,24.90,35.00);
glNormal3f(0.84,-0.26,0.47);

glVertex3f(46.99,8.30,30.00);
glNormal3f(0.84,-0.26,0.47);

glVertex3f(44.39,8.92,35.00);
glNormal3f(0.87,-0.15,0.47);

glVertex3f(46.99,8.30,30.00);
glNormal3f(0.87,-0.15,0.47);

glVertex3f(44.15,-8.22,30.00);
glNormal3f(0.87,-0.15,0.47);
glVertex3f(44.39,8.92,35.00);
glNormal3f(0.87,-0.15,0.47);

glVertex3f(44.39,8.92,35.00);
glNormal3f(0.87,-0.15,0.47);

glVertex3f(44.15,-8.22,30.00);
glNormal3f(0.87,-0.15,0.47);

glVertex3f(41.49,-7.92,35.00);
glNormal3f(0.88,-0.05,0.47);

glVertex3f(44.15,-8.22,30.00);
glNormal3f(0.88,-0.05,0.47);

glVertex3f(43.20,-25.61,30.00);
glNormal3f(0.88,-0.05,0.47);
glVertex3f(41.49,-7.92,35.00);
glNormal3f(0.88,-0.05,0.47);

glVertex3f(41.49,-7.92,35.00);
glNormal3f(0.88,-0.05,0.47);

glVertex3f(43.20,-25.61,30.00);
glNormal3f(0.88,-0.05,0.47);

glVertex3f(40.53,-25.63,35.00);
glNormal3f(0.88,0.06,0.47);

glVertex3f(43.20,-25.61,30.00);
glNormal3f(0.88,0.06,0.47);

glVertex3f(44.45,-43.23,30.00);
glNormal3f(0.88,0.06,0.47);
glVertex3f(40.53,-25.63,35.00);
glNormal3f(0.88,0.06,0.47);

glVertex3f(40.53,-25.63,35.00);
glNormal3f(0.88,0.06,0.47);

glVertex3f(44.45,-43.23,30.00);
glNormal3f(0.88,0.06,0.47);

glVertex3f(41.80,-43.63,35.00);
glNormal3f(0.86,0.20,0.47);

glVertex3f(44.45,-43.23,30.00);
glNormal3f(0.86,0.20,0.47);

glVertex3f(48.20,-59.41,30.00);
glNormal3f(0.86,0.20,0.47);
glVertex3f(41.80,-43.63,35.00);
glNormal3f(0.86,0.20,0.47);

glVertex3f(41.80,-43.63,35.00);
glNormal3f(0.86,0.20,0.47);

glVertex3f(48.20,-59.41,30.00);
glNormal3f(0.86,0.20,0.47);

glVertex3f(45.64,-60.24,35.00);
glNormal3f(0.81,0.34,0.47);

glVertex3f(48.20,-59.41,30.00);
glNormal3f(0.81,0.34,0.47);

glVertex3f(54.44,-74.15,30.00);
glNormal3f(0.81,0.34,0.47);
glVertex3f(45.64,-60.24,35.00);
glNormal3f(0.81,0.34,0.47);

glVertex3f(45.64,-60.24,35.00);
glNormal3f(0.81,0.34,0.47);

glVertex3f(54.44,-74.15,30.00);
glNormal3f(0.81,0.34,0.47);

glVertex3f(52.09,-75.49,35.00);
glNormal3f(0.71,0.52,0.47);

glVertex3f(54.44,-74.15,30.00);
glNormal3f(0.71,0.52,0.47);

glVertex3f(68.17,-92.73,30.00);
glNormal3f(0.71,0.52,0.47);
glVertex3f(52.09,-75.49,35.00);
glNormal3f(0.71,0.52,0.47);

glVertex3f(52.09,-75.49,35.00);
glNormal3f(0.71,0.52,0.47);

glVertex3f(68.17,-92.73,30.00);
glNormal3f(0.71,0.52,0.47);

glVertex3f(66.25,-94.66,35.00);
glNormal3f(0.52,0.71,0.47);

glVertex3f(68.17,-92.73,30.00);
glNormal3f(0.52,0.71,0.47);

glVertex3f(86.91,-106.43,30.00);
glNormal3f(0.52,0.71,0.47);
glVertex3f(66.25,-94.66,35.00);
glNormal3f(0.52,0.71,0.47);

glVertex3f(66.25,-94.66,35.00);
glNormal3f(0.52,0.71,0.47);

glVertex3f(86.91,-106.43,30.00);
glNormal3f(0.52,0.71,0.47);

glVertex3f(85.59,-108.78,35.00);
glNormal3f(0.34,0.81,0.47);

glVertex3f(86.91,-106.43,30.00);
glNormal3f(0.34,0.81,0.47);

glVertex3f(101.86,-112.68,30.00);
glNormal3f(0.34,0.81,0.47);
glVertex3f(85.59,-108.78,35.00);
glNormal3f(0.34,0.81,0.47);

glVertex3f(85.59,-108.78,35.00);
glNormal3f(0.34,0.81,0.47);

glVertex3f(101.86,-112.68,30.00);
glNormal3f(0.34,0.81,0.47);

glVertex3f(101.04,-115.24,35.00);
glNormal3f(0.20,0.86,0.47);

glVertex3f(101.86,-112.68,30.00);
glNormal3f(0.20,0.86,0.47);

glVertex3f(118.39,-116.44,30.00);
glNormal3f(0.20,0.86,0.47);
glVertex3f(101.04,-115.24,35.00);
glNormal3f(0.20,0.86,0.47);

glVertex3f(101.04,-115.24,35.00);
glNormal3f(0.20,0.86,0.47);

glVertex3f(118.39,-116.44,30.00);
glNormal3f(0.20,0.86,0.47);

glVertex3f(118.00,-119.09,35.00);
glNormal3f(0.06,0.88,0.47);

glVertex3f(118.39,-116.44,30.00);
glNormal3f(0.06,0.88,0.47);

glVertex3f(136.48,-117.69,30.00);
glNormal3f(0.06,0.88,0.47);
glVertex3f(118.00,-119.09,35.00);
glNormal3f(0.06,0.88,0.47);

glVertex3f(118.00,-119.09,35.00);
glNormal3f(0.06,0.88,0.47);

glVertex3f(136.48,-117.69,30.00);
glNormal3f(0.06,0.88,0.47);

glVertex3f(136.48,-120.37,35.00);
glNormal3f(-0.06,0.88,0.47);

glVertex3f(136.48,-117.69,30.00);
glNormal3f(-0.06,0.88,0.47);

glVertex3f(157.38,-116.35,30.00);
glNormal3f(-0.06,0.88,0.47);
glVertex3f(136.48,-120.37,35.00);
glNormal3f(-0.06,0.88,0.47);

glVertex3f(136.48,-120.37,35.00);
glNormal3f(-0.06,0.88,0.47);

glVertex3f(157.38,-116.35,30.00);
glNormal3f(-0.06,0.88,0.47);

glVertex3f(157.71,-119.00,35.00);
glNormal3f(-0.16,0.87,0.47);

glVertex3f(157.38,-116.35,30.00);
glNormal3f(-0.16,0.87,0.47);

glVertex3f(178.55,-112.32,30.00);
glNormal3f(-0.16,0.87,0.47);
glVertex3f(157.71,-119.00,35.00);
glNormal3f(-0.16,0.87,0.47);

glVertex3f(157.71,-119.00,35.00);
glNormal3f(-0.16,0.87,0.47);

glVertex3f(178.55,-112.32,30.00);
glNormal3f(-0.16,0.87,0.47);

glVertex3f(179.22,-114.91,35.00);
glNormal3f(-0.28,0.84,0.47);

glVertex3f(178.55,-112.32,30.00);
glNormal3f(-0.28,0.84,0.47);

glVertex3f(200.25,-105.19,30.00);
glNormal3f(-0.28,0.84,0.47);
glVertex3f(179.22,-114.91,35.00);
glNormal3f(-0.28,0.84,0.47);

glVertex3f(179.22,-114.91,35.00);
glNormal3f(-0.28,0.84,0.47);

glVertex3f(200.25,-105.19,30.00);
glNormal3f(-0.28,0.84,0.47);

glVertex3f(201.25,-107.67,35.00);
glNormal3f(-0.38,0.80,0.47);

glVertex3f(200.25,-105.19,30.00);
glNormal3f(-0.38,0.80,0.47);

glVertex3f(222.75,-94.52,30.00);
glNormal3f(-0.38,0.80,0.47);
glVertex3f(201.25,-107.67,35.00);
glNormal3f(-0.33,0.70,0.63);

glVertex3f(201.25,-107.67,35.00);
glNormal3f(-0.33,0.70,0.63);

glVertex3f(222.75,-94.52,30.00);
glNormal3f(-0.33,0.70,0.63);

glVertex3f(220.89,-99.86,35.00);
glNormal3f(0.70,0.34,0.63);

glVertex3f(222.75,-94.52,30.00);
glNormal3f(0.70,0.34,0.63);

glVertex3f(230.62,-110.53,30.00);
glNormal3f(0.70,0.34,0.63);
glVertex3f(220.89,-99.86,35.00);
glNormal3f(0.70,0.34,0.63);

glVertex3f(220.89,-99.86,35.00);
glNormal3f(0.70,0.34,0.63);

glVertex3f(230.62,-110.53,30.00);
glNormal3f(0.70,0.34,0.63);

glVertex3f(225.24,-108.80,35.00);
glNormal3f(0.37,-0.68,0.63);

glVertex3f(230.62,-110.53,30.00);
glNormal3f(0.37,-0.68,0.63);

glVertex3f(216.40,-118.17,30.00);
glNormal3f(0.37,-0.68,0.63);
glVertex3f(225.24,-108.80,35.00);
glNormal3f(0.42,-0.78,0.47);

glVertex3f(225.24,-108.80,35.00);
glNormal3f(0.42,-0.78,0.47);

glVertex3f(216.40,-118.17,30.00);
glNormal3f(0.42,-0.78,0.47);

glVertex3f(215.25,-115.76,35.00);
glNormal3f(0.34,-0.81,0.47);

glVertex3f(216.40,-118.17,30.00);
glNormal3f(0.34,-0.81,0.47);

glVertex3f(201.40,-124.49,30.00);
glNormal3f(0.34,-0.81,0.47);
glVertex3f(215.25,-115.76,35.00);
glNormal3f(0.34,-0.81,0.47);

glVertex3f(215.25,-115.76,35.00);
glNormal3f(0.34,-0.81,0.47);

glVertex3f(201.40,-124.49,30.00);
glNormal3f(0.34,-0.81,0.47);

glVertex3f(200.48,-121.99,35.00);
glNormal3f(0.27,-0.84,0.47);

glVertex3f(201.40,-124.49,30.00);
glNormal3f(0.27,-0.84,0.47);

glVertex3f(185.62,-129.49,30.00);
glNormal3f(0.27,-0.84,0.47);
glVertex3f(200.48,-121.99,35.00);
glNormal3f(0.27,-0.84,0.47);

glVertex3f(200.48,-121.99,35.00);
glNormal3f(0.27,-0.84,0.47);

glVertex3f(185.62,-129.49,30.00);
glNormal3f(0.27,-0.84,0.47);

glVertex3f(184.93,-126.91,35.00);
glNormal3f(0.19,-0.86,0.47);

glVertex3f(185.62,-129.49,30.00);
glNormal3f(0.19,-0.86,0.47);

glVertex3f(169.39,-133.11,30.00);
glNormal3f(0.19,-0.86,0.47);
glVertex3f(184.93,-126.91,35.00);
glNormal3f(0.19,-0.86,0.47);

glVertex3f(184.93,-126.91,35.00);
glNormal3f(0.19,-0.86,0.47);

glVertex3f(169.39,-133.11,30.00);
glNormal3f(0.19,-0.86,0.47);

glVertex3f(168.92,-130.48,35.00);
glNormal3f(0.12,-0.87,0.47);

glVertex3f(169.39,-133.11,30.00);
glNormal3f(0.12,-0.87,0.47);

glVertex3f(153.01,-135.28,30.00);
glNormal3f(0.12,-0.87,0.47);
glVertex3f(168.92,-130.48,35.00);
glNormal3f(0.12,-0.87,0.47);

glVertex3f(168.92,-130.48,35.00);
glNormal3f(0.12,-0.87,0.47);

glVertex3f(153.01,-135.28,30.00);
glNormal3f(0.12,-0.87,0.47);

glVertex3f(152.77,-132.62,35.00);
glNormal3f(0.04,-0.88,0.47);

glVertex3f(153.01,-135.28,30.00);
glNormal3f(0.04,-0.88,0.47);

glVertex3f(136.48,-136.00,30.00);
glNormal3f(0.04,-0.88,0.47);
glVertex3f(152.77,-132.62,35.00);
glNormal3f(0.04,-0.88,0.47);

glVertex3f(152.77,-132.62,35.00);
glNormal3f(0.04,-0.88,0.47);

glVertex3f(136.48,-136.00,30.00);
glNormal3f(0.04,-0.88,0.47);

glVertex3f(136.52,-133.33,35.00);
glNormal3f(-0.06,-0.88,0.47);

glVertex3f(136.48,-136.00,30.00);
glNormal3f(-0.06,-0.88,0.47);

glVertex3f(114.46,-134.49,30.00);
glNormal3f(-0.06,-0.88,0.47);
glVertex3f(136.52,-133.33,35.00);
glNormal3f(-0.06,-0.88,0.47);

glVertex3f(136.52,-133.33,35.00);
glNormal3f(-0.06,-0.88,0.47);

glVertex3f(114.46,-134.49,30.00);
glNormal3f(-0.06,-0.88,0.47);

glVertex3f(114.85,-131.83,35.00);
glNormal3f(-0.19,-0.86,0.47);

glVertex3f(114.46,-134.49,30.00);
glNormal3f(-0.19,-0.86,0.47);

glVertex3f(94.36,-129.95,30.00);
glNormal3f(-0.19,-0.86,0.47);
glVertex3f(114.85,-131.83,35.00);
glNormal3f(-0.19,-0.86,0.47);

glVertex3f(114.85,-131.83,35.00);
glNormal3f(-0.19,-0.86,0.47);

glVertex3f(94.36,-129.95,30.00);
glNormal3f(-0.19,-0.86,0.47);

glVertex3f(95.17,-127.39,35.00);
glNormal3f(-0.34,-0.81,0.47);

glVertex3f(94.36,-129.95,30.00);
glNormal3f(-0.34,-0.81,0.47);

glVertex3f(76.18,-122.38,30.00);
glNormal3f(-0.34,-0.81,0.47);
glVertex3f(95.17,-127.39,35.00);
glNormal3f(-0.34,-0.81,0.47);

glVertex3f(95.17,-127.39,35.00);
glNormal3f(-0.34,-0.81,0.47);

glVertex3f(76.18,-122.38,30.00);
glNormal3f(-0.34,-0.81,0.47);

glVertex3f(77.50,-120.03,35.00);
glNormal3f(-0.52,-0.71,0.47);

glVertex3f(76.18,-122.38,30.00);
glNormal3f(-0.52,-0.71,0.47);

glVertex3f(53.40,-105.88,30.00);
glNormal3f(-0.52,-0.71,0.47);
glVertex3f(77.50,-120.03,35.00);
glNormal3f(-0.52,-0.71,0.47);

glVertex3f(77.50,-120.03,35.00);
glNormal3f(-0.52,-0.71,0.47);

glVertex3f(53.40,-105.88,30.00);
glNormal3f(-0.52,-0.71,0.47);

glVertex3f(55.31,-103.93,35.00);
glNormal3f(-0.70,-0.53,0.47);

glVertex3f(53.40,-105.88,30.00);
glNormal3f(-0.70,-0.53,0.47);

glVertex3f(36.70,-83.59,30.00);
glNormal3f(-0.70,-0.53,0.47);
glVertex3f(55.31,-103.93,35.00);
glNormal3f(-0.70,-0.53,0.47);

glVertex3f(55.31,-103.93,35.00);
glNormal3f(-0.70,-0.53,0.47);

glVertex3f(36.70,-83.59,30.00);
glNormal3f(-0.70,-0.53,0.47);

glVertex3f(39.04,-82.24,35.00);
glNormal3f(-0.81,-0.35,0.47);

glVertex3f(36.70,-83.59,30.00);
glNormal3f(-0.81,-0.35,0.47);

glVertex3f(29.10,-65.96,30.00);
glNormal3f(-0.81,-0.35,0.47);
glVertex3f(39.04,-82.24,35.00);
glNormal3f(-0.81,-0.35,0.47);

glVertex3f(39.04,-82.24,35.00);
glNormal3f(-0.81,-0.35,0.47);

glVertex3f(29.10,-65.96,30.00);
glNormal3f(-0.81,-0.35,0.47);

glVertex3f(31.66,-65.12,35.00);
glNormal3f(-0.86,-0.20,0.47);

glVertex3f(29.10,-65.96,30.00);
glNormal3f(-0.86,-0.20,0.47);

glVertex3f(24.55,-46.64,30.00);
glNormal3f(-0.86,-0.20,0.47);
glVertex3f(31.66,-65.12,35.00);
glNormal3f(-0.86,-0.20,0.47);

glVertex3f(31.66,-65.12,35.00);
glNormal3f(-0.86,-0.20,0.47);

glVertex3f(24.55,-46.64,30.00);
glNormal3f(-0.86,-0.20,0.47);

glVertex3f(27.20,-46.23,35.00);
glNormal3f(-0.88,-0.06,0.47);

glVertex3f(24.55,-46.64,30.00);
glNormal3f(-0.88,-0.06,0.47);

glVertex3f(23.03,-25.61,30.00);
glNormal3f(-0.88,-0.06,0.47);
glVertex3f(27.20,-46.23,35.00);
glNormal3f(-0.88,-0.06,0.47);

glVertex3f(27.20,-46.23,35.00);
glNormal3f(-0.88,-0.06,0.47);

glVertex3f(23.03,-25.61,30.00);
glNormal3f(-0.88,-0.06,0.47);

glVertex3f(25.71,-25.59,35.00);
glNormal3f(-0.88,0.05,0.47);

glVertex3f(23.03,-25.61,30.00);
glNormal3f(-0.88,0.05,0.47);

glVertex3f(24.14,-6.10,30.00);
glNormal3f(-0.88,0.05,0.47);
glVertex3f(25.71,-25.59,35.00);
glNormal3f(-0.88,0.05,0.47);

glVertex3f(25.71,-25.59,35.00);
glNormal3f(-0.88,0.05,0.47);

glVertex3f(24.14,-6.10,30.00);
glNormal3f(-0.88,0.05,0.47);

glVertex3f(26.80,-6.42,35.00);
glNormal3f(-0.87,0.16,0.47);

glVertex3f(24.14,-6.10,30.00);
glNormal3f(-0.87,0.16,0.47);

glVertex3f(27.48,12.50,30.00);
glNormal3f(-0.87,0.16,0.47);
glVertex3f(26.80,-6.42,35.00);
glNormal3f(-0.87,0.16,0.47);

glVertex3f(26.80,-6.42,35.00);
glNormal3f(-0.87,0.16,0.47);

glVertex3f(27.48,12.50,30.00);
glNormal3f(-0.87,0.16,0.47);

glVertex3f(30.08,11.86,35.00);
glNormal3f(-0.84,0.26,0.47);

glVertex3f(27.48,12.50,30.00);
glNormal3f(-0.84,0.26,0.47);

glVertex3f(33.05,30.19,30.00);
glNormal3f(-0.84,0.26,0.47);
glVertex3f(30.08,11.86,35.00);
glNormal3f(-0.84,0.26,0.47);

glVertex3f(30.08,11.86,35.00);
glNormal3f(-0.84,0.26,0.47);

glVertex3f(33.05,30.19,30.00);
glNormal3f(-0.84,0.26,0.47);

glVertex3f(35.55,29.22,35.00);
glNormal3f(-0.80,0.37,0.47);

glVertex3f(33.05,30.19,30.00);
glNormal3f(-0.80,0.37,0.47);

glVertex3f(40.84,46.98,30.00);
glNormal3f(-0.80,0.37,0.47);
glVertex3f(35.55,29.22,35.00);
glNormal3f(-0.80,0.37,0.47);

glVertex3f(35.55,29.22,35.00);
glNormal3f(-0.80,0.37,0.47);

glVertex3f(40.84,46.98,30.00);
glNormal3f(-0.80,0.37,0.47);

glVertex3f(43.18,45.67,35.00);
glNormal3f(-0.73,0.49,0.47);

glVertex3f(40.84,46.98,30.00);
glNormal3f(-0.73,0.49,0.47);

glVertex3f(54.25,67.14,30.00);
glNormal3f(-0.73,0.49,0.47);
glVertex3f(43.18,45.67,35.00);
glNormal3f(-0.73,0.49,0.47);

glVertex3f(43.18,45.67,35.00);
glNormal3f(-0.73,0.49,0.47);

glVertex3f(54.25,67.14,30.00);
glNormal3f(-0.73,0.49,0.47);

glVertex3f(56.35,65.45,35.00);
glNormal3f(-0.63,0.61,0.47);

glVertex3f(54.25,67.14,30.00);
glNormal3f(-0.63,0.61,0.47);

glVertex3f(70.73,84.09,30.00);
glNormal3f(-0.63,0.61,0.47);
glVertex3f(56.35,65.45,35.00);
glNormal3f(-0.63,0.61,0.47);

glVertex3f(56.35,65.45,35.00);
glNormal3f(-0.63,0.61,0.47);

glVertex3f(70.73,84.09,30.00);
glNormal3f(-0.63,0.61,0.47);

glVertex3f(72.47,82.04,35.00);
glNormal3f(-0.51,0.72,0.47);

glVertex3f(70.73,84.09,30.00);
glNormal3f(-0.51,0.72,0.47);

glVertex3f(90.27,97.82,30.00);
glNormal3f(-0.51,0.72,0.47);
glVertex3f(72.47,82.04,35.00);
glNormal3f(-0.51,0.72,0.47);

glVertex3f(72.47,82.04,35.00);
glNormal3f(-0.51,0.72,0.47);

glVertex3f(90.27,97.82,30.00);
glNormal3f(-0.51,0.72,0.47);

glVertex3f(91.64,95.51,35.00);
glNormal3f(-0.39,0.79,0.47);

glVertex3f(90.27,97.82,30.00);
glNormal3f(-0.39,0.79,0.47);

glVertex3f(106.56,105.77,30.00);
glNormal3f(-0.39,0.79,0.47);
glVertex3f(91.64,95.51,35.00);
glNormal3f(-0.39,0.79,0.47);

glVertex3f(91.64,95.51,35.00);
glNormal3f(-0.39,0.79,0.47);

glVertex3f(106.56,105.77,30.00);
glNormal3f(-0.39,0.79,0.47);

glVertex3f(107.57,103.29,35.00);
glNormal3f(-0.28,0.84,0.47);

glVertex3f(106.56,105.77,30.00);
glNormal3f(-0.28,0.84,0.47);

glVertex3f(123.79,111.46,30.00);
glNormal3f(-0.28,0.84,0.47);
glVertex3f(107.57,103.29,35.00);
glNormal3f(-0.28,0.84,0.47);

glVertex3f(107.57,103.29,35.00);
glNormal3f(-0.28,0.84,0.47);

glVertex3f(123.79,111.46,30.00);
glNormal3f(-0.28,0.84,0.47);

glVertex3f(124.45,108.86,35.00);
glNormal3f(-0.16,0.87,0.47);

glVertex3f(123.79,111.46,30.00);
glNormal3f(-0.16,0.87,0.47);

glVertex3f(141.97,114.86,30.00);
glNormal3f(-0.16,0.87,0.47);
glVertex3f(124.45,108.86,35.00);
glNormal3f(-0.16,0.87,0.47);

glVertex3f(124.45,108.86,35.00);
glNormal3f(-0.16,0.87,0.47);

glVertex3f(141.97,114.86,30.00);
glNormal3f(-0.16,0.87,0.47);

glVertex3f(142.29,112.21,35.00);
glNormal3f(-0.05,0.88,0.47);

glVertex3f(141.97,114.86,30.00);
glNormal3f(-0.05,0.88,0.47);

glVertex3f(161.09,116.00,30.00);
glNormal3f(-0.05,0.88,0.47);
glVertex3f(142.29,112.21,35.00);
glNormal3f(-0.05,0.88,0.47);

glVertex3f(142.29,112.21,35.00);
glNormal3f(-0.05,0.88,0.47);

glVertex3f(161.09,116.00,30.00);
glNormal3f(-0.05,0.88,0.47);

glVertex3f(161.09,113.32,35.00);
glNormal3f(0.06,0.88,0.47);

glVertex3f(161.09,116.00,30.00);
glNormal3f(0.06,0.88,0.47);

glVertex3f(183.03,114.56,30.00);
glNormal3f(0.06,0.88,0.47);
glVertex3f(161.09,113.32,35.00);
glNormal3f(0.06,0.88,0.47);

glVertex3f(161.09,113.32,35.00);
glNormal3f(0.06,0.88,0.47);

glVertex3f(183.03,114.56,30.00);
glNormal3f(0.06,0.88,0.47);

glVertex3f(182.65,111.91,35.00);
glNormal3f(0.19,0.86,0.47);

glVertex3f(183.03,114.56,30.00);
glNormal3f(0.19,0.86,0.47);

glVertex3f(202.86,110.26,30.00);
glNormal3f(0.19,0.86,0.47);
glVertex3f(182.65,111.91,35.00);
glNormal3f(0.19,0.86,0.47);

glVertex3f(182.65,111.91,35.00);
glNormal3f(0.19,0.86,0.47);

glVertex3f(202.86,110.26,30.00);
glNormal3f(0.19,0.86,0.47);

glVertex3f(202.07,107.69,35.00);
glNormal3f(0.33,0.82,0.47);

glVertex3f(202.86,110.26,30.00);
glNormal3f(0.33,0.82,0.47);

glVertex3f(220.60,103.08,30.00);
glNormal3f(0.33,0.82,0.47);
glVertex3f(202.07,107.69,35.00);
glNormal3f(0.33,0.82,0.47);

glVertex3f(202.07,107.69,35.00);
glNormal3f(0.33,0.82,0.47);

glVertex3f(220.60,103.08,30.00);
glNormal3f(0.33,0.82,0.47);

glVertex3f(219.31,100.71,35.00);
glNormal3f(0.51,0.72,0.47);

glVertex3f(220.60,103.08,30.00);
glNormal3f(0.51,0.72,0.47);

glVertex3f(242.69,87.50,30.00);
glNormal3f(0.51,0.72,0.47);
glVertex3f(219.31,100.71,35.00);
glNormal3f(0.51,0.72,0.47);

glVertex3f(219.31,100.71,35.00);
glNormal3f(0.51,0.72,0.47);

glVertex3f(242.69,87.50,30.00);
glNormal3f(0.51,0.72,0.47);

glVertex3f(240.81,85.53,35.00);
glNormal3f(0.70,0.54,0.47);

glVertex3f(242.69,87.50,30.00);
glNormal3f(0.70,0.54,0.47);

glVertex3f(258.88,66.60,30.00);
glNormal3f(0.70,0.54,0.47);
glVertex3f(240.81,85.53,35.00);
glNormal3f(0.70,0.54,0.47);

glVertex3f(240.81,85.53,35.00);
glNormal3f(0.70,0.54,0.47);

glVertex3f(258.88,66.60,30.00);
glNormal3f(0.70,0.54,0.47);

glVertex3f(256.55,65.21,35.00);
glNormal3f(0.81,0.36,0.47);

glVertex3f(258.88,66.60,30.00);
glNormal3f(0.81,0.36,0.47);

glVertex3f(266.23,50.06,30.00);
glNormal3f(0.81,0.36,0.47);
glVertex3f(256.55,65.21,35.00);
glNormal3f(0.81,0.36,0.47);

glVertex3f(256.55,65.21,35.00);
glNormal3f(0.81,0.36,0.47);

glVertex3f(266.23,50.06,30.00);
glNormal3f(0.81,0.36,0.47);

glVertex3f(263.68,49.19,35.00);
glNormal3f(0.86,0.21,0.47);

glVertex3f(266.23,50.06,30.00);
glNormal3f(0.86,0.21,0.47);

glVertex3f(270.64,31.84,30.00);
glNormal3f(0.86,0.21,0.47);
glVertex3f(263.68,49.19,35.00);
glNormal3f(0.86,0.21,0.47);

glVertex3f(263.68,49.19,35.00);
glNormal3f(0.86,0.21,0.47);

glVertex3f(270.64,31.84,30.00);
glNormal3f(0.86,0.21,0.47);

glVertex3f(267.99,31.42,35.00);
glNormal3f(0.88,0.06,0.47);

glVertex3f(270.64,31.84,30.00);
glNormal3f(0.88,0.06,0.47);

glVertex3f(272.11,11.94,30.00);
glNormal3f(0.88,0.06,0.47);
glVertex3f(267.99,31.42,35.00);
glNormal3f(0.88,0.06,0.47);

glVertex3f(267.99,31.42,35.00);
glNormal3f(0.88,0.06,0.47);

glVertex3f(272.11,11.94,30.00);
glNormal3f(0.88,0.06,0.47);

glVertex3f(269.43,11.91,35.00);
glEnd();

glBegin(GL_TRIANGLES);

glNormal3f(-0.87,0.14,0.47);

glVertex3f(182.12,-10.08,30.00);
glNormal3f(-0.87,0.14,0.47);

glVertex3f(185.42,10.55,30.00);
glNormal3f(-0.87,0.14,0.47);
glVertex3f(184.73,-10.79,35.00);
glNormal3f(-0.86,0.14,0.48);

glVertex3f(184.73,-10.79,35.00);
glNormal3f(-0.86,0.14,0.48);

glVertex3f(185.42,10.55,30.00);
glNormal3f(-0.86,0.14,0.48);

glVertex3f(188.26,10.87,35.00);
glNormal3f(-0.81,-0.33,0.48);

glVertex3f(185.42,10.55,30.00);
glNormal3f(-0.81,-0.33,0.48);

glVertex3f(175.98,33.94,30.00);
glNormal3f(-0.81,-0.33,0.48);
glVertex3f(188.26,10.87,35.00);
glNormal3f(-0.65,-0.26,0.72);

glVertex3f(188.26,10.87,35.00);
glNormal3f(-0.65,-0.26,0.72);

glVertex3f(175.98,33.94,30.00);
glNormal3f(-0.65,-0.26,0.72);

glVertex3f(179.89,38.03,35.00);
glNormal3f(-0.23,-0.66,0.72);

glVertex3f(175.98,33.94,30.00);
glNormal3f(-0.23,-0.66,0.72);

glVertex3f(150.80,42.83,30.00);
glNormal3f(-0.23,-0.66,0.72);
glVertex3f(179.89,38.03,35.00);
glNormal3f(-0.23,-0.64,0.73);

glVertex3f(179.89,38.03,35.00);
glNormal3f(-0.23,-0.64,0.73);

glVertex3f(150.80,42.83,30.00);
glNormal3f(-0.23,-0.64,0.73);

glVertex3f(150.80,48.48,35.00);
glNormal3f(0.23,-0.65,0.73);

glVertex3f(150.80,42.83,30.00);
glNormal3f(0.23,-0.65,0.73);

glVertex3f(125.11,33.80,30.00);
glNormal3f(0.23,-0.65,0.73);
glVertex3f(150.80,48.48,35.00);
glNormal3f(0.29,-0.82,0.49);

glVertex3f(150.80,48.48,35.00);
glNormal3f(0.29,-0.82,0.49);

glVertex3f(125.11,33.80,30.00);
glNormal3f(0.29,-0.82,0.49);

glVertex3f(123.35,36.12,35.00);
glNormal3f(0.71,-0.50,0.49);

glVertex3f(125.11,33.80,30.00);
glNormal3f(0.71,-0.50,0.49);

glVertex3f(107.44,8.77,30.00);
glNormal3f(0.71,-0.50,0.49);
glVertex3f(123.35,36.12,35.00);
glNormal3f(0.72,-0.51,0.48);

glVertex3f(123.35,36.12,35.00);
glNormal3f(0.72,-0.51,0.48);

glVertex3f(107.44,8.77,30.00);
glNormal3f(0.72,-0.51,0.48);

glVertex3f(104.97,9.95,35.00);
glNormal3f(0.84,-0.24,0.48);

glVertex3f(107.44,8.77,30.00);
glNormal3f(0.84,-0.24,0.48);

glVertex3f(102.61,-7.89,30.00);
glNormal3f(0.84,-0.24,0.48);
glVertex3f(104.97,9.95,35.00);
glNormal3f(0.85,-0.25,0.47);

glVertex3f(104.97,9.95,35.00);
glNormal3f(0.85,-0.25,0.47);

glVertex3f(102.61,-7.89,30.00);
glNormal3f(0.85,-0.25,0.47);

glVertex3f(99.96,-7.39,35.00);
glNormal3f(0.88,-0.08,0.47);

glVertex3f(102.61,-7.89,30.00);
glNormal3f(0.88,-0.08,0.47);

glVertex3f(101.00,-25.86,30.00);
glNormal3f(0.88,-0.08,0.47);
glVertex3f(99.96,-7.39,35.00);
glNormal3f(0.88,-0.08,0.48);

glVertex3f(99.96,-7.39,35.00);
glNormal3f(0.88,-0.08,0.48);

glVertex3f(101.00,-25.86,30.00);
glNormal3f(0.88,-0.08,0.48);

glVertex3f(98.27,-26.08,35.00);
glNormal3f(0.85,0.22,0.48);

glVertex3f(101.00,-25.86,30.00);
glNormal3f(0.85,0.22,0.48);

glVertex3f(107.80,-52.59,30.00);
glNormal3f(0.85,0.22,0.48);
glVertex3f(98.27,-26.08,35.00);
glNormal3f(0.68,0.17,0.71);

glVertex3f(98.27,-26.08,35.00);
glNormal3f(0.68,0.17,0.71);

glVertex3f(107.80,-52.59,30.00);
glNormal3f(0.68,0.17,0.71);

glVertex3f(103.45,-56.21,35.00);
glNormal3f(0.29,0.64,0.71);

glVertex3f(107.80,-52.59,30.00);
glNormal3f(0.29,0.64,0.71);

glVertex3f(128.77,-62.27,30.00);
glNormal3f(0.29,0.64,0.71);
glVertex3f(103.45,-56.21,35.00);
glNormal3f(0.29,0.62,0.73);

glVertex3f(103.45,-56.21,35.00);
glNormal3f(0.29,0.62,0.73);

glVertex3f(128.77,-62.27,30.00);
glNormal3f(0.29,0.62,0.73);

glVertex3f(128.15,-67.89,35.00);
glNormal3f(-0.15,0.67,0.73);

glVertex3f(128.77,-62.27,30.00);
glNormal3f(-0.15,0.67,0.73);

glVertex3f(145.89,-58.53,30.00);
glNormal3f(-0.15,0.67,0.73);
glVertex3f(128.15,-67.89,35.00);
glNormal3f(-0.19,0.86,0.48);

glVertex3f(128.15,-67.89,35.00);
glNormal3f(-0.19,0.86,0.48);

glVertex3f(145.89,-58.53,30.00);
glNormal3f(-0.19,0.86,0.48);

glVertex3f(147.02,-61.07,35.00);
glNormal3f(-0.51,0.71,0.48);

glVertex3f(145.89,-58.53,30.00);
glNormal3f(-0.51,0.71,0.48);

glVertex3f(161.52,-47.34,30.00);
glNormal3f(-0.51,0.71,0.48);
glVertex3f(147.02,-61.07,35.00);
glNormal3f(-0.51,0.72,0.47);

glVertex3f(147.02,-61.07,35.00);
glNormal3f(-0.51,0.72,0.47);

glVertex3f(161.52,-47.34,30.00);
glNormal3f(-0.51,0.72,0.47);

glVertex3f(163.43,-49.29,35.00);
glNormal3f(-0.70,0.53,0.47);

glVertex3f(161.52,-47.34,30.00);
glNormal3f(-0.70,0.53,0.47);

glVertex3f(174.12,-30.56,30.00);
glNormal3f(-0.70,0.53,0.47);
glVertex3f(163.43,-49.29,35.00);
glNormal3f(-0.70,0.53,0.47);

glVertex3f(163.43,-49.29,35.00);
glNormal3f(-0.70,0.53,0.47);

glVertex3f(174.12,-30.56,30.00);
glNormal3f(-0.70,0.53,0.47);

glVertex3f(176.49,-31.88,35.00);
glNormal3f(-0.82,0.32,0.47);

glVertex3f(174.12,-30.56,30.00);
glNormal3f(-0.82,0.32,0.47);

glVertex3f(182.12,-10.08,30.00);
glNormal3f(-0.82,0.32,0.47);
glVertex3f(176.49,-31.88,35.00);
glNormal3f(-0.82,0.32,0.47);

glVertex3f(176.49,-31.88,35.00);
glNormal3f(-0.82,0.32,0.47);

glVertex3f(182.12,-10.08,30.00);
glNormal3f(-0.82,0.32,0.47);

glVertex3f(184.73,-10.79,35.00);
glNormal3f(-0.87,0.14,0.47);

glVertex3f(182.12,-10.08,30.00);
glNormal3f(-0.87,0.14,0.47);

glVertex3f(185.42,10.55,30.00);
glNormal3f(-0.87,0.14,0.47);
glVertex3f(184.73,-10.79,35.00);
glNormal3f(-0.86,0.14,0.48);

glVertex3f(184.73,-10.79,35.00);
glNormal3f(-0.86,0.14,0.48);

glVertex3f(185.42,10.55,30.00);
glNormal3f(-0.86,0.14,0.48);

glVertex3f(188.26,10.87,35.00);
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