#include "win32/window/scaled_pictures.h"

#include <wincodec.h>

#include <string>

#include "platform/wide.h"
#include "win32/system/win_check.h"
#include "win32/window/dib.h"

namespace orvanta::win32 {

ScaledPictures::ScaledPictures(HINSTANCE instance, const face::DisplayScale& scale)
    : instance_(instance), scale_(scale) {
  // 100 % needs no decoder, and start-up shows 100 % on most machines.
  if (source_dpi() == face::kBaseDpi) return;
  com_.emplace();
  check(SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, factory_.put_void())),
        L"CoCreateInstance (WIC)");
}

ScaledPictures::~ScaledPictures() = default;

BgrImage ScaledPictures::source(std::string_view name) {
  if (source_dpi() == face::kBaseDpi) return load_bitmap_resource(instance_, to_wide(name).c_str());
  return decode_png(name);
}

BgrImage ScaledPictures::fit(BgrImage picture) const {
  if (scale_.own_pictures() || picture.width() == 0) return picture;
  const int from = source_dpi(), to = scale_.dpi();
  BgrImage fitted(face::picture_length(picture.width(), from, to),
                  face::picture_length(picture.height(), from, to));
  face::resample(picture.view(), fitted.view());
  return fitted;
}

BgrImage ScaledPictures::decode_png(std::string_view name) {
  const std::wstring id = to_wide(name) + L"_" + std::to_wstring(source_dpi());
  if (!factory_) return {};
  const HRSRC found = FindResourceW(instance_, id.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!check(found != nullptr, L"FindResourceW (scaled picture)")) return {};
  const HGLOBAL loaded = LoadResource(instance_, found);
  const DWORD size = SizeofResource(instance_, found);
  auto* bytes = static_cast<BYTE*>(LockResource(loaded));
  if (!check(bytes != nullptr && size > 0, L"LockResource (scaled picture)")) return {};
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  UINT width = 0, height = 0;
  const bool ok = SUCCEEDED(factory_->CreateStream(stream.put())) &&
                  SUCCEEDED(stream->InitializeFromMemory(bytes, size)) &&
                  SUCCEEDED(factory_->CreateDecoderFromStream(
                      stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.put())) &&
                  SUCCEEDED(decoder->GetFrame(0, frame.put())) &&
                  SUCCEEDED(factory_->CreateFormatConverter(converter.put())) &&
                  SUCCEEDED(converter->Initialize(frame.get(), GUID_WICPixelFormat24bppBGR,
                                                  WICBitmapDitherTypeNone, nullptr, 0.0,
                                                  WICBitmapPaletteTypeCustom)) &&
                  SUCCEEDED(converter->GetSize(&width, &height));
  if (!check(ok, L"WIC (decoding a scaled picture)")) return {};
  BgrImage image(static_cast<int>(width), static_cast<int>(height));
  const BgrView view = image.view();
  const UINT stride = static_cast<UINT>(view.stride);
  if (!check(SUCCEEDED(converter->CopyPixels(nullptr, stride, stride * height, view.data)),
             L"IWICBitmapSource::CopyPixels")) {
    return {};
  }
  return image;
}

}  // namespace orvanta::win32
