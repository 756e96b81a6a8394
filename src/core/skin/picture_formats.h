// The picture files a skin may name, known by their extension: which can be read, under what
// name the messages call them, and whether a bitmap's bottom-left colour is keyed out. Every
// front end decodes with its own means (Qt's readers, the browser) but by this one rule, and
// words its failures with these texts.
#pragma once

#include <string>
#include <string_view>

#include "core/lcd/image_model.h"

namespace zuzazizo {

enum class PictureKind {
    keyed_bitmap,  // a bitmap: its bottom-left colour is see-through unless the image is opaque
    own_alpha,     // carries its own transparency, in any image
    opaque,        // never see-through
    no_decoder,    // a format accepted by the file but not readable here
};

struct PictureFormat {
    std::string_view extension;  // lower case, without the dot
    std::string_view name;       // as the messages name it: "PNG", "JPEG"
    PictureKind kind;
};

// The format of a path by its extension, in any case; null for an extension not in the table.
const PictureFormat* picture_format_of(std::string_view path);
// What follows the last dot of the file name, as written; empty without one.
std::string_view picture_extension_of(std::string_view path);

// Why a file cannot be a picture before it is even opened: its extension. Empty when it can be
// decoded.
std::string unreadable_extension_reason(std::string_view path);
// A file that is there but could not be decoded; `detail` says what the decoder made of it.
std::string damaged_picture_reason(const PictureFormat& format, std::string_view detail);
inline constexpr const char* empty_picture_reason = "the file is empty.";

// Whether a picture of this file, for an image of this rule, has its bottom-left colour keyed
// out. JPEG counts as opaque: its lossy pixels would match a key only here and there, punching
// random holes into a backdrop rather than keying out a background.
bool keys_out_bottom_left(std::string_view path, Transparency transparency);

}  // namespace zuzazizo
