// Reading and writing the documents of the command line: SVG into the host's
// document model and back, PNG pictures. Each function prints one clear line
// on failure and returns the exit code; outputs are written whole or not at
// all.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "app/cli.h"
#include "host/art/document.h"
#include "host/svg/svg_import.h"

namespace vx::app {

namespace svg = host::svg;

// Reads an SVG file; what the model could not hold is listed on stderr.
int ReadSvgDocument(const std::string& path, svg::ImportResult* result);

// The art --select names (ids), or every top-level object of every layer
// when it names none. Unknown ids are a usage error.
int SelectedArt(const host::art::Document& document, const CommonOptions& common,
                std::vector<host::art::Art*>* selection);

// Writes the document as SVG (`only`: just these objects, or all).
int WriteSvgDocument(const std::string& path, const host::art::Document& document,
                     const svg::KeptSvg* kept,
                     const std::set<const host::art::Art*>* only = nullptr);

// Renders SVG text to a PNG file `width` pixels wide.
int WritePngPicture(const std::string& path, const std::string& svgText, int width,
                    const std::string& baseFile = {});

}  // namespace vx::app
