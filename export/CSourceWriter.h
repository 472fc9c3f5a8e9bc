#pragma once

#include <iosfwd>
#include <string>

#include "export/ExportResult.h"
#include "export/TextExportView.h"

namespace vyr {

/// The header of the generated C/OpenGL pair: the two functions and the display-list
/// variable. CRLF line ends; no line feed after the final "#endif".
ExportResult writeCHeader(std::ostream& out);

/// The source of the pair: InitVyrText compiles the text's mesh (materials, faces, walls,
/// bevel, with the normals the viewport uses) into one display list; DisplayVyrText draws it
/// under the text's scale. `headerName` is the name the include line names, normally the bare
/// file name of the header written beside it; a name that a C include line cannot hold (a
/// double quote or a line break) is refused before anything is written.
ExportResult writeCSource(const Text& text, const std::string& headerName, std::ostream& out);
ExportResult writeCSource(const TextExportView& text, const std::string& headerName,
                          std::ostream& out);

/// The text's part of the source, from the centring translation to the end of the file.
ExportResult writeCText(const TextExportView& text, std::ostream& out);

}  // namespace vyr
