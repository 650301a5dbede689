#include "host/render/png_render.h"

#include <dlfcn.h>

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

// fontconfig, which librsvg uses to draw text, keeps its caches until the
// process ends, and libxml2, which librsvg parses with, does not free the
// values of internal DTD entities; the leak checker of sanitizer builds is
// told to expect both.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:xmlParseEntityValue\n";
}

namespace vx::host::render {

namespace {

// librsvg, and cairo and GLib through it, are opened on first use: most
// commands draw nothing, and loading these libraries and the dozens they
// depend on was a large part of every command's start-up.
#define VX_RENDER_FUNCTIONS(X) \
  X(cairo_create) \
  X(cairo_destroy) \
  X(cairo_image_surface_create) \
  X(cairo_image_surface_create_from_png_stream) \
  X(cairo_image_surface_get_data) \
  X(cairo_image_surface_get_format) \
  X(cairo_image_surface_get_height) \
  X(cairo_image_surface_get_stride) \
  X(cairo_image_surface_get_width) \
  X(cairo_paint) \
  X(cairo_scale) \
  X(cairo_set_source_rgba) \
  X(cairo_set_source_surface) \
  X(cairo_surface_destroy) \
  X(cairo_surface_flush) \
  X(cairo_surface_mark_dirty) \
  X(cairo_surface_status) \
  X(cairo_surface_write_to_png_stream) \
  X(cairo_translate) \
  X(g_error_free) \
  X(g_file_new_for_path) \
  X(g_memory_input_stream_new_from_data) \
  X(g_object_unref) \
  X(rsvg_handle_get_geometry_for_layer) \
  X(rsvg_handle_get_intrinsic_dimensions) \
  X(rsvg_handle_get_intrinsic_size_in_pixels) \
  X(rsvg_handle_new_from_stream_sync) \
  X(rsvg_handle_render_document)

struct RenderLibrary {
#define VX_DECLARE(name) decltype(&::name) name = nullptr;
  VX_RENDER_FUNCTIONS(VX_DECLARE)
#undef VX_DECLARE
  std::string failure;  // why it could not be opened; "" when it was
};

const RenderLibrary& OpenRenderLibrary() {
  static const RenderLibrary library = [] {
    RenderLibrary l;
    void* handle = dlopen("librsvg-2.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
      l.failure = std::string("cannot load librsvg: ") + dlerror();
      return l;
    }
    // The library's handle finds its dependencies' functions too.
#define VX_RESOLVE(name)                                                   \
  l.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));     \
  if (!l.name && l.failure.empty()) l.failure = "librsvg lacks " #name;
    VX_RENDER_FUNCTIONS(VX_RESOLVE)
#undef VX_RESOLVE
    return l;
  }();
  return library;
}

// The functions; every entry point checks first that the library opened.
const RenderLibrary& Lib() { return OpenRenderLibrary(); }

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { Lib().cairo_surface_destroy(s); }
};
struct ContextDeleter {
  void operator()(cairo_t* c) const { Lib().cairo_destroy(c); }
};
struct HandleDeleter {
  void operator()(RsvgHandle* h) const { Lib().g_object_unref(h); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// cairo keeps premultiplied ARGB in native 32-bit words.
Raster FromSurface(cairo_surface_t* surface) {
  Lib().cairo_surface_flush(surface);
  Raster raster;
  raster.width = Lib().cairo_image_surface_get_width(surface);
  raster.height = Lib().cairo_image_surface_get_height(surface);
  int stride = Lib().cairo_image_surface_get_stride(surface);
  const unsigned char* data = Lib().cairo_image_surface_get_data(surface);
  raster.rgba.resize(size_t(raster.width) * raster.height * 4);
  for (int y = 0; y < raster.height; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < raster.width; ++x) {
      uint32_t argb = row[x];
      uint32_t a = argb >> 24;
      uint8_t* out = &raster.rgba[(size_t(y) * raster.width + x) * 4];
      for (int c = 0; c < 3; ++c) {
        uint32_t v = (argb >> (16 - 8 * c)) & 0xFF;
        out[c] = a ? static_cast<uint8_t>(std::min<uint32_t>(255, (v * 255 + a / 2) / a)) : 0;
      }
      out[3] = static_cast<uint8_t>(a);
    }
  }
  return raster;
}

Surface ToSurface(const Raster& raster) {
  Surface surface(Lib().cairo_image_surface_create(CAIRO_FORMAT_ARGB32, raster.width, raster.height));
  unsigned char* data = Lib().cairo_image_surface_get_data(surface.get());
  int stride = Lib().cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < raster.height; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < raster.width; ++x) {
      const uint8_t* in = &raster.rgba[(size_t(y) * raster.width + x) * 4];
      uint32_t a = in[3];
      auto pre = [a](uint32_t v) { return (v * a + 127) / 255; };
      row[x] = (a << 24) | (pre(in[0]) << 16) | (pre(in[1]) << 8) | pre(in[2]);
    }
  }
  Lib().cairo_surface_mark_dirty(surface.get());
  return surface;
}

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

struct ReadState {
  std::string_view bytes;
  size_t pos = 0;
};
cairo_status_t ReadBytes(void* closure, unsigned char* data, unsigned int length) {
  auto* state = static_cast<ReadState*>(closure);
  if (state->bytes.size() - state->pos < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, state->bytes.data() + state->pos, length);
  state->pos += length;
  return CAIRO_STATUS_SUCCESS;
}

// The document's size in pixels: its width and height, else its viewBox.
bool IntrinsicSize(RsvgHandle* handle, double* width, double* height) {
  if (Lib().rsvg_handle_get_intrinsic_size_in_pixels(handle, width, height) && *width > 0 &&
      *height > 0) {
    return true;
  }
  gboolean hasWidth = false, hasHeight = false, hasViewBox = false;
  RsvgLength w, h;
  RsvgRectangle viewBox;
  Lib().rsvg_handle_get_intrinsic_dimensions(handle, &hasWidth, &w, &hasHeight, &h, &hasViewBox,
                                       &viewBox);
  if (hasViewBox && viewBox.width > 0 && viewBox.height > 0) {
    *width = viewBox.width;
    *height = viewBox.height;
    return true;
  }
  return false;
}

}  // namespace

std::optional<Raster> RenderSvg(std::string_view svg, int width, std::string* error,
                                const std::filesystem::path& baseFile) {
  if (width <= 0 || width > kMaxRasterSide) {
    *error = "the width must be between 1 and " + std::to_string(kMaxRasterSide);
    return std::nullopt;
  }
  RenderRequest request;
  request.width = width;
  return RenderSvgArea(svg, request, error, baseFile);
}

std::optional<Raster> RenderSvgArea(std::string_view svg, const RenderRequest& request,
                                    std::string* error, const std::filesystem::path& baseFile) {
  if (!OpenRenderLibrary().failure.empty()) {
    *error = OpenRenderLibrary().failure;
    return std::nullopt;
  }
  GError* gerror = nullptr;
  GInputStream* stream =
      Lib().g_memory_input_stream_new_from_data(svg.data(), static_cast<gssize>(svg.size()), nullptr);
  GFile* base = baseFile.empty()
                    ? nullptr
                    : Lib().g_file_new_for_path(std::filesystem::absolute(baseFile).c_str());
  std::unique_ptr<RsvgHandle, HandleDeleter> handle(Lib().rsvg_handle_new_from_stream_sync(
      stream, base, RSVG_HANDLE_FLAGS_NONE, nullptr, &gerror));
  Lib().g_object_unref(stream);
  if (base) Lib().g_object_unref(base);
  if (!handle) {
    *error = std::string("not a readable SVG document: ") +
             (gerror ? gerror->message : "unknown error");
    if (gerror) Lib().g_error_free(gerror);
    return std::nullopt;
  }
  double docWidth = 0, docHeight = 0;
  if (!IntrinsicSize(handle.get(), &docWidth, &docHeight)) {
    *error = "the document has no size (no width, height or viewBox)";
    return std::nullopt;
  }
  // The area in the document's pixels.
  RsvgRectangle page{0, 0, docWidth, docHeight}, area = page;
  if (!request.area.empty() && request.area != "page") {
    const std::string id = request.area == "drawing" ? "" : "#" + request.area;
    RsvgRectangle ink{}, logical{};
    if (!Lib().rsvg_handle_get_geometry_for_layer(handle.get(), id.empty() ? nullptr : id.c_str(),
                                            &page, &ink, &logical, &gerror) ||
        !(ink.width > 0 && ink.height > 0)) {
      *error = request.area == "drawing" ? std::string("the document draws nothing")
                                         : "the document has no element \"" + request.area +
                                               "\" that draws something";
      if (gerror) Lib().g_error_free(gerror);
      return std::nullopt;
    }
    area = ink;
  }
  double w = request.width, h = request.height;
  if (w <= 0 && h <= 0) {
    const double scale = request.dpi > 0 ? request.dpi / 96 : 1;
    w = area.width * scale;
    h = area.height * scale;
  } else if (h <= 0) {
    h = w * area.height / area.width;
  } else if (w <= 0) {
    w = h * area.width / area.height;
  }
  // A picture larger than the largest side or smaller than a pixel is
  // refused rather than squashed.
  if (request.width > 0 && request.height <= 0 && !(h >= 0.5 && h < kMaxRasterSide + 0.5)) {
    *error = "at " + std::to_string(request.width) + " pixels wide the picture would be " +
             (h >= 0.5 ? "more than " + std::to_string(kMaxRasterSide)
                       : std::string("less than one")) +
             " pixels tall; choose another width";
    return std::nullopt;
  }
  if (!(w >= 0.5 && h >= 0.5 && w < kMaxRasterSide + 0.5 && h < kMaxRasterSide + 0.5)) {
    *error = "the picture would be " + std::to_string(std::lround(w)) + " x " +
             std::to_string(std::lround(h)) + " pixels; each side must be 1 to " +
             std::to_string(kMaxRasterSide) + " pixels";
    return std::nullopt;
  }
  const int width = static_cast<int>(std::lround(w)), height = static_cast<int>(std::lround(h));
  Surface surface(Lib().cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  if (Lib().cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    *error = "cannot make a picture of " + std::to_string(width) + " x " + std::to_string(height);
    return std::nullopt;
  }
  std::unique_ptr<cairo_t, ContextDeleter> cr(Lib().cairo_create(surface.get()));
  if (request.hasBackground) {
    const uint8_t* c = request.background;
    Lib().cairo_set_source_rgba(cr.get(), c[0] / 255.0, c[1] / 255.0, c[2] / 255.0, c[3] / 255.0);
    Lib().cairo_paint(cr.get());
  }
  Lib().cairo_scale(cr.get(), width / area.width, height / area.height);
  Lib().cairo_translate(cr.get(), -area.x, -area.y);
  if (!Lib().rsvg_handle_render_document(handle.get(), cr.get(), &page, &gerror)) {
    *error = std::string("rendering failed: ") + (gerror ? gerror->message : "unknown error");
    if (gerror) Lib().g_error_free(gerror);
    return std::nullopt;
  }
  return FromSurface(surface.get());
}

std::string EncodePng(const Raster& raster) {
  if (!OpenRenderLibrary().failure.empty()) return "";
  Surface surface = ToSurface(raster);
  std::string bytes;
  Lib().cairo_surface_write_to_png_stream(surface.get(), AppendBytes, &bytes);
  return bytes;
}

std::optional<Raster> DecodePng(std::string_view bytes) {
  if (!OpenRenderLibrary().failure.empty()) return std::nullopt;
  ReadState state{bytes, 0};
  Surface surface(Lib().cairo_image_surface_create_from_png_stream(ReadBytes, &state));
  if (Lib().cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return std::nullopt;
  if (Lib().cairo_image_surface_get_format(surface.get()) != CAIRO_FORMAT_ARGB32) {
    // Opaque PNGs come back as RGB24: paint them onto an ARGB32 surface.
    int w = Lib().cairo_image_surface_get_width(surface.get());
    int h = Lib().cairo_image_surface_get_height(surface.get());
    Surface argb(Lib().cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
    std::unique_ptr<cairo_t, ContextDeleter> cr(Lib().cairo_create(argb.get()));
    Lib().cairo_set_source_surface(cr.get(), surface.get(), 0, 0);
    Lib().cairo_paint(cr.get());
    return FromSurface(argb.get());
  }
  return FromSurface(surface.get());
}

double DifferentPixelFraction(const Raster& a, const Raster& b, int tolerance) {
  if (a.width != b.width || a.height != b.height) return 1;
  size_t count = size_t(a.width) * a.height;
  if (count == 0) return 0;
  size_t different = 0;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* p = &a.rgba[i * 4];
    const uint8_t* q = &b.rgba[i * 4];
    if (p[3] == 0 && q[3] == 0) continue;
    for (int c = 0; c < 4; ++c) {
      // Colour channels matter in proportion to how opaque the pixel is.
      int weightA = c == 3 ? 255 : p[3];
      int weightB = c == 3 ? 255 : q[3];
      int va = p[c] * weightA / 255;
      int vb = q[c] * weightB / 255;
      if (std::abs(va - vb) > tolerance) {
        ++different;
        break;
      }
    }
  }
  return double(different) / double(count);
}

}  // namespace vx::host::render
