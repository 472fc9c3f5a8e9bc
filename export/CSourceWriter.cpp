// The C/OpenGL pair: a header and a source whose display list rebuilds the text's solid.
#include "export/CSourceWriter.h"

#include <ostream>

#include "export/CrlfStream.h"
#include "text/MeshGeometry.h"
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

struct Corner {
    Vec3 normal;
    Vec3 vertex;
};

void triangleBlock(CrlfStream& s, const Corner& a, const Corner& b, const Corner& c) {
    s.text("\nglBegin(GL_TRIANGLES);");
    for (const Corner* k : {&a, &b, &c}) {
        s.format("\nglNormal3f(%.2lf,%.2lf,%.2lf);", k->normal.x, k->normal.y, k->normal.z);
        s.format("\nglVertex3f(%.2lf,%.2lf,%.2lf);", k->vertex.x, k->vertex.y, k->vertex.z);
    }
    s.text("\nglEnd();");
}

Vec3 raised(Vec3 p, double dz) {
    return {p.x, p.y, p.z + dz};
}

// The bevel of one character: two triangles per edge.
void writeBevel(CrlfStream& s, const TextExportView& v, const TextMeshEntry& e) {
    const double length = v.parameters.extrusionLength;
    const double back = v.parameters.bevelDepth + v.parameters.extrusionLength;
    for (int k = 0; k < e.contourCount(); ++k) {
        const Contour& contour = e.contour(k);
        if (!exportsContour(contour))
            continue;
        const int n = contour.count;
        s.text("\nglBegin(GL_TRIANGLES);\n");
        // n + 1 passes: the closing edge comes first and last, as in the viewport's list.
        for (int j = 0; j <= n; ++j) {
            const int cur = j == n ? 0 : j;
            const int prev = previousIndex(cur, n);
            const VertexRecord& p = TextMesh::record(contour[prev]);
            const VertexRecord& c = TextMesh::record(contour[cur]);
            const BevelNormals bn = bevelNormals(contour, prev, cur, v.parameters.bevelDepth,
                                                 v.parameters.roundedEdges);
            const Corner corners[6] = {
                {bn.t1[0], raised(p.position, length)}, {bn.t1[1], raised(c.position, length)},
                {bn.t1[2], raised(p.inset, back)},      {bn.t2[0], raised(p.inset, back)},
                {bn.t2[1], raised(c.position, length)}, {bn.t2[2], raised(c.inset, back)},
            };
            for (int q = 0; q < 6; ++q) {
                const Corner& k6 = corners[q];
                s.format("\nglNormal3f(%.2f,%.2f,%.2f);\n", k6.normal.x, k6.normal.y, k6.normal.z);
                s.format(q == 2 ? "glVertex3f(%.2f,%.2f,%.2f);" : "\nglVertex3f(%.2f,%.2f,%.2f);",
                         k6.vertex.x, k6.vertex.y, k6.vertex.z);
            }
        }
        s.text("\nglEnd();\n");
    }
}

void writeEntry(CrlfStream& s, const TextExportView& v, const TextMeshEntry& e) {
    const double length = v.parameters.extrusionLength;
    const double back = v.parameters.bevelDepth + v.parameters.extrusionLength;

    materialCalls(s, "front_");
    for (int t = 0; t < e.frontCount(); ++t) {
        const Triangle& tri = (*e.front)[t];
        const VertexRecord& a = TextMesh::record(*tri.a);
        const VertexRecord& b = TextMesh::record(*tri.b);
        const VertexRecord& c = TextMesh::record(*tri.c);
        triangleBlock(s, {c.normal, c.position}, {b.normal, b.position}, {a.normal, a.position});
        if (!v.parameters.bevelOn) {
            triangleBlock(s, {-a.normal, raised(a.position, length)},
                          {-b.normal, raised(b.position, length)},
                          {-c.normal, raised(c.position, length)});
        }
    }
    if (v.parameters.bevelOn) {
        for (int t = 0; t < e.backCount(); ++t) {
            const Triangle& tri = (*e.back)[t];
            const VertexRecord& a = TextMesh::record(*tri.a);
            const VertexRecord& b = TextMesh::record(*tri.b);
            const VertexRecord& c = TextMesh::record(*tri.c);
            triangleBlock(s, {-a.normal, raised(a.inset, back)}, {-b.normal, raised(b.inset, back)},
                          {-c.normal, raised(c.inset, back)});
        }
    }

    materialCalls(s, "side_");
    for (int k = 0; k < e.contourCount(); ++k) {
        const Contour& contour = e.contour(k);
        if (!exportsContour(contour))
            continue;
        const int n = contour.count;
        s.text("\nglBegin(GL_QUAD_STRIP);\n");
        // n + 1 pairs from point n - 1 round to n - 1; each carries the normal of the edge
        // that leaves its point, left unnormalised for GL_NORMALIZE.
        for (int j = 0; j <= n; ++j) {
            const int cur = j == n ? 0 : j;
            const int prev = previousIndex(cur, n);
            const Vec3 sn = sideNormal(contour, prev, cur);
            const Vec3 p = TextMesh::record(contour[prev]).position;
            s.format(
                "glNormal3f(%.2f,%.2f,%.2f);\nglVertex3f( %.2f,%.2f,%.2f);\n"
                "glNormal3f(%.2f,%.2f,%.2f);\nglVertex3f(%.2f,%.2f,%.2f);\n",
                sn.x, sn.y, sn.z, p.x, p.y, p.z, sn.x, sn.y, sn.z, p.x, p.y, p.z + length);
        }
        s.text("\nglEnd();\n");
    }

    if (v.parameters.bevelOn) {
        materialCalls(s, "bevel_");
        writeBevel(s, v, e);
    }
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
