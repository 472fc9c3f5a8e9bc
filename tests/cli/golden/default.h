/* VYR : 3D Text C/OpenGl generated file -- Header File*/


#include <GL/gl.h>
#include <GL/glu.h>

#ifndef VYR_OUTPUT
#define VYR_OUTPUT

extern void InitVyrText(void);
extern void DisplayVyrText(void);
static int VyrTextDpList;

#endif