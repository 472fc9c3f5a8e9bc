#include "render/OffscreenContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <dlfcn.h>
#include <link.h>
#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>

#include <string_view>

namespace vyr {

namespace {

template <typename F>
F proc(const char* name) {
    return reinterpret_cast<F>(eglGetProcAddress(name));
}

}  // namespace

// Mesa loads its driver (swrast_dri.so and the libraries it needs) in eglInitialize and may
// unload it in eglTerminate. What the driver keeps allocated past that point is reported by
// the leak checker at exit with frames that no longer resolve to any module, so no
// suppression can tell it from a leak of ours. Pinning the loaded driver until the process
// ends keeps its frames named. Names are gathered first: dlopen may not run inside
// dl_iterate_phdr, which holds the loader's lock.
void keepGlDriverLoaded() {
    std::vector<std::string> drivers;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* found) {
            const std::string_view name = info->dlpi_name ? info->dlpi_name : "";
            if (name.find("/dri/") != std::string_view::npos ||
                name.find("libEGL_mesa") != std::string_view::npos ||
                name.find("libGLX_mesa") != std::string_view::npos) {
                static_cast<std::vector<std::string>*>(found)->emplace_back(name);
            }
            return 0;
        },
        &drivers);
    for (const std::string& driver : drivers)
        dlopen(driver.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

OffscreenContext::OffscreenContext(int width, int height) : width_(width), height_(height) {
    const auto getPlatformDisplay =
        proc<PFNEGLGETPLATFORMDISPLAYEXTPROC>("eglGetPlatformDisplayEXT");
    if (getPlatformDisplay == nullptr) {
        fail("EGL has no eglGetPlatformDisplayEXT");
        return;
    }
    EGLDisplay display =
        getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    EGLint major = 0, minor = 0;
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, &major, &minor)) {
        fail("no EGL surfaceless display (is Mesa installed?)");
        return;
    }
    display_ = display;
    keepGlDriverLoaded();
    if (!eglBindAPI(EGL_OPENGL_API)) {
        fail("EGL cannot bind desktop OpenGL");
        return;
    }
    const EGLint attributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                 EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
    EGLContext context = eglCreateContext(display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, attributes);
    if (context == EGL_NO_CONTEXT) {
        fail("EGL cannot create a compatibility-profile context");
        return;
    }
    context_ = context;
    if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) {
        fail("EGL cannot make the context current");
        return;
    }

    const auto genFramebuffers = proc<PFNGLGENFRAMEBUFFERSPROC>("glGenFramebuffers");
    const auto bindFramebuffer = proc<PFNGLBINDFRAMEBUFFERPROC>("glBindFramebuffer");
    const auto genRenderbuffers = proc<PFNGLGENRENDERBUFFERSPROC>("glGenRenderbuffers");
    const auto bindRenderbuffer = proc<PFNGLBINDRENDERBUFFERPROC>("glBindRenderbuffer");
    const auto storage = proc<PFNGLRENDERBUFFERSTORAGEPROC>("glRenderbufferStorage");
    const auto attach = proc<PFNGLFRAMEBUFFERRENDERBUFFERPROC>("glFramebufferRenderbuffer");
    const auto status = proc<PFNGLCHECKFRAMEBUFFERSTATUSPROC>("glCheckFramebufferStatus");
    if (!genFramebuffers || !bindFramebuffer || !genRenderbuffers || !bindRenderbuffer ||
        !storage || !attach || !status) {
        fail("OpenGL has no framebuffer objects");
        return;
    }
    genFramebuffers(1, &framebuffer_);
    bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    genRenderbuffers(2, renderbuffers_);
    bindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[0]);
    storage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    attach(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderbuffers_[0]);
    bindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[1]);
    storage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    attach(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, renderbuffers_[1]);
    if (status(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        fail("the offscreen framebuffer is incomplete");
        return;
    }
    glViewport(0, 0, width, height);
    ok_ = true;
}

OffscreenContext::~OffscreenContext() {
    if (display_ == nullptr)
        return;
    if (context_ != nullptr) {
        eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroyContext(display_, context_);
    }
    eglTerminate(display_);
}

bool OffscreenContext::fail(std::string why) {
    error_ = std::move(why);
    ok_ = false;
    return false;
}

std::string OffscreenContext::rendererText() {
    const OffscreenContext context(1, 1);
    if (!context.ok())
        return "OpenGL: none (" + context.error() + ")";
    auto text = [](GLenum name) {
        const auto* s = reinterpret_cast<const char*>(glGetString(name));
        return std::string(s != nullptr ? s : "unknown");
    };
    return "OpenGL: " + text(GL_RENDERER) + ", " + text(GL_VERSION);
}

std::vector<unsigned char> OffscreenContext::readRgb() const {
    std::vector<unsigned char> pixels(static_cast<size_t>(width_) * height_ * 3);
    if (!ok_)
        return pixels;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

}  // namespace vyr
