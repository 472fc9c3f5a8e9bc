// The C/OpenGL pair: a header and a source whose display list rebuilds the text's solid.
#include "export/CSourceWriter.h"

#include <ostream>

#include "export/CrlfStream.h"
#include "text/MeshGeometry.h"
#include "text/SolidWalk.h"
#include "text/Text.h"

namespace vyr {

namespace {

void materialArrays(CrlfStream& s, const char* prefix, const Material& m) {
    const char* names[] = {"emission", "ambient", "diffuse", "specular"};
    const std::array<float, 4>* colours[] = {&m.emission, &m.ambient, &m.diffuse, &m.specular};
    for (int k = 0; k < 4; ++k) {
        const std::array<float, 4>& c = *colours[k];
        s.format("\nGLfloat %s%s[] = { %.2f , %.2f, %.2f, %.2f };", prefix, names[k], double(c[0]),
                 double(c[1]), double(c[2]), double(c[3]));
    }
    s.format("\nGLfloat %sshininess[] = { %.2f };", prefix, double(m.shininess));
}

void materialCalls(CrlfStream& s, const char* p) {
    s.format("\nglMaterialfv(GL_FRONT,GL_EMISSION,%semission);\n", p);
    s.format("glMaterialfv(GL_FRONT,GL_AMBIENT,%sambient);\n", p);
    s.format("\nglMaterialfv(GL_FRONT,GL_DIFFUSE,%sdiffuse);\n", p);
    s.format("glMaterialfv(GL_FRONT,GL_SPECULAR,%sspecular);\n", p);
    s.format("\nglMaterialfv(GL_FRONT,GL_SHININESS,%sshininess);\n", p);
}

// The solid of one character as C calls, in the display list's order and number forms.
class CSink {
  public:
    CSink(CrlfStream& s, const TextParameters& tp) : s_(s), tp_(tp) {}

    void part(SolidPart part) {
        part_ = part;
        materialCalls(s_, part == SolidPart::kFaces   ? "front_"
                          : part == SolidPart::kSides ? "side_"
                                                      : "bevel_");
    }
    void face(const SolidCorner& a, const SolidCorner& b, const SolidCorner& c) {
        s_.text("\nglBegin(GL_TRIANGLES);");
        for (const SolidCorner* k : {&a, &b, &c}) {
            const Vec3 n = k->faceNormal(), v = k->position;
            s_.format("\nglNormal3f(%.2lf,%.2lf,%.2lf);", n.x, n.y, n.z);
            s_.format("\nglVertex3f(%.2lf,%.2lf,%.2lf);", v.x, v.y, v.z);
        }
        s_.text("\nglEnd();");
    }
    void beginContour() {
        s_.text(part_ == SolidPart::kSides ? "\nglBegin(GL_QUAD_STRIP);\n"
                                           : "\nglBegin(GL_TRIANGLES);\n");
    }
    void endContour() { s_.text("\nglEnd();\n"); }
    // The strip's pair at the edge's first point, carrying the normal of the edge that
    // leaves it, left unnormalised for GL_NORMALIZE.
    void wall(const SolidEdge& e) {
        const Vec3 sn = e.wallNormal();
        const Vec3 p = e.p(CornerKind::kFront).position;
        s_.format(
            "glNormal3f(%.2f,%.2f,%.2f);\nglVertex3f( %.2f,%.2f,%.2f);\n"
            "glNormal3f(%.2f,%.2f,%.2f);\nglVertex3f(%.2f,%.2f,%.2f);\n",
            sn.x, sn.y, sn.z, p.x, p.y, p.z, sn.x, sn.y, sn.z, p.x, p.y,
            e.p(CornerKind::kWall).position.z);
    }
    void bevel(const SolidEdge& e) {
        const BevelNormals bn =
            bevelNormals(e.contour, e.prev, e.cur, tp_.bevelDepth, tp_.roundedEdges);
        put(bn.t1, e.bevelFirst(), true);
        put(bn.t2, e.bevelSecond(), false);
    }

  private:
    void put(const Vec3 (&normals)[3], const std::array<SolidCorner, 3>& corners, bool first) {
        for (int q = 0; q < 3; ++q) {
            const Vec3 n = normals[q], v = corners[size_t(q)].position;
            s_.format("\nglNormal3f(%.2f,%.2f,%.2f);\n", n.x, n.y, n.z);
            s_.format(first && q == 2 ? "glVertex3f(%.2f,%.2f,%.2f);"
                                      : "\nglVertex3f(%.2f,%.2f,%.2f);",
                      v.x, v.y, v.z);
        }
    }

    CrlfStream& s_;
    const TextParameters& tp_;
    SolidPart part_ = SolidPart::kFaces;
};

void writeEntry(CrlfStream& s, const TextExportView& v, const TextMeshEntry& e) {
    CSink sink(s, v.parameters);
    walkSolid(e, v.parameters, sink);
}

void writeText(CrlfStream& s, const TextExportView& v) {
    static const TextMesh kEmpty;
    const TextMesh& mesh = v.mesh ? *v.mesh : kEmpty;
    s.format("\nglTranslatef(-%f/2.0f,0.f,0.f);", double(mesh.width));
    writeInParts(s, mesh.entries.size(),
                 [&](CrlfStream& part, size_t i) { writeEntry(part, v, mesh.entries[i]); });
    s.text("\nglPopMatrix();\nglEndList();\n}\n");
    s.format(
        "\n\n\nvoid DisplayVyrText(void)\n{\nglPushMatrix();\nglScalef(%f,%f,%f);\n"
        "glCallList(VyrTextDpList);\nglPopMatrix();\n}",
        double(v.parameters.scale[0]), double(v.parameters.scale[1]),
        double(v.parameters.scale[2]));
}

}  // namespace

ExportResult writeCHeader(std::ostream& out) {
    CrlfStream s(out);
    s.text("/* VYR : 3D Text C/OpenGl generated file -- Header File*/\n");
    // Capitalised: the lower-case directory exists only on case-insensitive file systems.
    s.text("\n\n#include <GL/gl.h>\n#include <GL/glu.h>");
    s.text(
        "\n\n#ifndef VYR_OUTPUT\n#define VYR_OUTPUT\n\nextern void InitVyrText(void);\nextern "
        "void DisplayVyrText(void);");
    s.text("\nstatic int VyrTextDpList;\n\n#endif");
    return s.result("C header");
}

ExportResult writeCText(const TextExportView& text, std::ostream& out) {
    CrlfStream s(out);
    writeText(s, text);
    return s.result("C source");
}

ExportResult writeCSource(const TextExportView& text, const std::string& headerName,
                          std::ostream& out) {
    if (headerName.find_first_of("\"\r\n") != std::string::npos) {
        return ExportResult::failure("the header name \"" + headerName +
                                     "\" cannot stand in a C include line");
    }
    CrlfStream s(out);
    s.text("/* VYR : 3D Text C/OpenGl generated file - Source File*/\n\n\n");
    s.text("#include \"" + headerName + "\"");
    s.text("\n\n\nvoid InitVyrText(void)\n{\n");
    materialArrays(s, "front_", text.parameters.frontMaterial);
    materialArrays(s, "side_", text.parameters.sideMaterial);
    materialArrays(s, "bevel_", text.parameters.bevelMaterial);
    s.text("\n\nVyrTextDpList=glGenLists(1);\n");
    s.text(
        "glNewList(VyrTextDpList,GL_COMPILE);\nglEnable(GL_NORMALIZE);\nglMatrixMode(GL_"
        "MODELVIEW);\nglPushMatrix();\n");
    writeText(s, text);
    return s.result("C source");
}

ExportResult writeCSource(const Text& text, const std::string& headerName, std::ostream& out) {
    return writeCSource(exportViewOf(text), headerName, out);
}

}  // namespace vyr
