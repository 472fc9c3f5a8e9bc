#pragma once

#include <GL/gl.h>

namespace vyr {

/// While it lives, the projection and modelview matrices are identities, so that drawing
/// from (-1, -1) to (1, 1) covers the viewport whatever the camera; both are restored when
/// it goes, and the matrix mode is left at modelview.
class IdentityMatrices {
  public:
    IdentityMatrices() {
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
    }
    ~IdentityMatrices() {
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
    }
    IdentityMatrices(const IdentityMatrices&) = delete;
    IdentityMatrices& operator=(const IdentityMatrices&) = delete;
};

}  // namespace vyr
