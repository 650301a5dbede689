// Publishes the document model's suites: documents, views, layers, undo,
// MdMemory, art, groups, matching art, hit testing, transforming art,
// paths, path styles, custom colours, gradients, patterns, text, real
// maths, random numbers, dictionaries and the art members of the plug-in
// group suite.
#pragma once

namespace vx::host {
class Host;
}

namespace vx::host::art {

void RegisterArtSuites(Host& host);

// The families, each in its own file.
void RegisterDocumentSuites(Host& host);
void RegisterArtTreeSuites(Host& host);
void RegisterPathSuites(Host& host);
void RegisterTextSuites(Host& host);
void RegisterMathSuites(Host& host);
void RegisterDictionarySuite(Host& host);
void RegisterPluginGroupArtMembers(Host& host);

}  // namespace vx::host::art
