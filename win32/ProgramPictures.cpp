#include "win32/ProgramPictures.h"

#include <shlwapi.h>
#include <wincodec.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace kgh::native {
namespace {

template <typename Interface>
struct Released {
  Interface* pointer = nullptr;
  ~Released() {
    if (pointer != nullptr) pointer->Release();
  }
  Interface** out() { return &pointer; }
  Interface* operator->() const { return pointer; }
};

std::string ResourceName(const char* picture) {
  std::string name = picture;
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

// The decoded picture as premultiplied BGRA pixels, scaled to `width` x `height`.
bool Decode(HMODULE module, const char* picture, UINT width, UINT height, std::vector<BYTE>& pixels) {
  const HRSRC found = FindResourceA(module, ResourceName(picture).c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (found == nullptr) return false;
  const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  Released<IStream> stream{SHCreateMemStream(bytes, SizeofResource(module, found))};
  Released<IWICImagingFactory> factory;
  Released<IWICBitmapDecoder> decoder;
  Released<IWICBitmapFrameDecode> frame;
  Released<IWICBitmapScaler> scaler;
  Released<IWICFormatConverter> converter;
  if (stream.pointer == nullptr ||
      FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.out()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.pointer, nullptr, WICDecodeMetadataCacheOnDemand, decoder.out())) ||
      FAILED(decoder->GetFrame(0, frame.out())) || FAILED(factory->CreateBitmapScaler(scaler.out())) ||
      FAILED(scaler->Initialize(frame.pointer, width, height, WICBitmapInterpolationModeFant)) ||
      FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(scaler.pointer, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                   0.0, WICBitmapPaletteTypeCustom)))
    return false;
  pixels.resize(static_cast<std::size_t>(width) * height * 4);
  return SUCCEEDED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size()), pixels.data()));
}

}  // namespace

HBITMAP LoadProgramPicture(HMODULE module, const char* picture, int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  // Keeps the proportions: the source's size first, then the largest fit.
  UINT source_width = 0, source_height = 0;
  {
    const HRSRC found = FindResourceA(module, ResourceName(picture).c_str(), MAKEINTRESOURCEA(10));
    if (found == nullptr) return nullptr;
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    // A PNG file gives its size in the IHDR chunk: bytes 16 to 23, big-endian.
    if (SizeofResource(module, found) < 24) return nullptr;
    source_width = (UINT{bytes[16]} << 24) | (UINT{bytes[17]} << 16) | (UINT{bytes[18]} << 8) | bytes[19];
    source_height = (UINT{bytes[20]} << 24) | (UINT{bytes[21]} << 16) | (UINT{bytes[22]} << 8) | bytes[23];
  }
  if (source_width == 0 || source_height == 0) return nullptr;
  const double scale = std::min(static_cast<double>(width) / source_width, static_cast<double>(height) / source_height);
  const auto fit_width = std::max(1U, static_cast<UINT>(source_width * scale));
  const auto fit_height = std::max(1U, static_cast<UINT>(source_height * scale));
  std::vector<BYTE> pixels;
  if (!Decode(module, picture, fit_width, fit_height, pixels)) return nullptr;

  // Drawn over the face colour. The alpha is cleared: a static control of the newer common
  // controls would otherwise keep a copy of a bitmap with alpha, which its owner cannot free.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  for (std::size_t i = 0; i < pixels.size(); i += 4) {
    const unsigned alpha = pixels[i + 3];
    pixels[i] = static_cast<BYTE>(pixels[i] + GetBValue(face) * (255 - alpha) / 255);
    pixels[i + 1] = static_cast<BYTE>(pixels[i + 1] + GetGValue(face) * (255 - alpha) / 255);
    pixels[i + 2] = static_cast<BYTE>(pixels[i + 2] + GetRValue(face) * (255 - alpha) / 255);
    pixels[i + 3] = 0;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(fit_width);
  info.bmiHeader.biHeight = -static_cast<LONG>(fit_height);  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr) std::copy(pixels.begin(), pixels.end(), static_cast<BYTE*>(bits));
  return bitmap;
}

}  // namespace kgh::native
