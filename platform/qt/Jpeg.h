#pragma once
// JPEG decoding through libjpeg's decompression API, from a memory buffer.

#include <QImage>
#include <string_view>

namespace platform {

// A null image when the data is not a readable JPEG.
QImage DecodeJpeg(std::string_view data);

} // namespace platform
