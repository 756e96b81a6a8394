#include "web/binding/windows_texts.h"

#include <string_view>

#include "core/input/key_dialog_layout.h"
#include "core/input/key_dialog_model.h"
#include "core/shell/shell_documents.h"
#include "core/windows/about_texts.h"
#include "core/windows/dialog_colours.h"
#include "core/windows/manual_button_art.h"

namespace zuzazizo {
namespace {

// A JSON writer just large enough for flat objects of texts, numbers and lists.
class Json {
  public:
    Json& open(char bracket) {
        comma();
        text_ += bracket;
        first_ = true;
        return *this;
    }
    Json& close(char bracket) {
        text_ += bracket;
        first_ = false;
        return *this;
    }
    Json& key(std::string_view name) {
        string(name);
        text_ += ':';
        first_ = true;
        return *this;
    }
    Json& string(std::string_view value) {
        comma();
        text_ += '"';
        for (const char c : value) {
            if (c == '"' || c == '\\') text_ += '\\';
            text_ += c;
        }
        text_ += '"';
        return *this;
    }
    Json& number(long long value) {
        comma();
        text_ += std::to_string(value);
        return *this;
    }
    Json& boolean(bool value) {
        comma();
        text_ += value ? "true" : "false";
        return *this;
    }
    Json& rect(const Rect& r) {
        open('[').number(r.left).number(r.top).number(r.width).number(r.height);
        return close(']');
    }
    std::string take() { return std::move(text_); }

  private:
    void comma() {
        if (!first_) text_ += ',';
        first_ = false;
    }
    std::string text_;
    bool first_ = true;
};

void label(Json& json, const key_dialog::Label& place) {
    json.open('{').key("caption").string(place.caption).key("bounds").rect(place.bounds);
    json.key("rightAligned").boolean(place.right_aligned).close('}');
}

void key_dialog_design(Json& json) {
    json.key("keys").open('{').key("caption").string(key_dialog::caption);
    json.key("width").number(key_dialog::client_width_px);
    json.key("height").number(key_dialog::client_height_px);
    json.key("fontPx").number(key_dialog::font_px);
    json.key("cleanColour").number(key_dialog::clean_colour);
    json.key("conflictColour").number(key_dialog::conflict_colour);
    json.key("laMain");
    label(json, key_dialog::la_main);
    json.key("laControls");
    label(json, key_dialog::la_controls);
    json.key("buttonLabels").open('[');
    for (const auto& place : key_dialog::button_labels) label(json, place);
    json.close(']').key("lists").open('[');
    for (const Rect& bounds : key_dialog::list_bounds) json.rect(bounds);
    json.close(']').key("items").open('[');
    for (const std::string& caption : KeyDialogModel::captions()) json.string(caption);
    json.close(']').key("accept").open('{').key("caption").string(key_dialog::accept_caption);
    json.key("bounds").rect(key_dialog::accept_bounds).close('}').close('}');
}

void about_design(Json& json) {
    json.key("about").open('{').key("caption").string(about::caption);
    json.key("width").number(about::client_width_px).key("height").number(about::client_height_px);
    json.key("picture").rect(about::picture_bounds);
    json.key("captionLeft").number(about::caption_left_px);
    json.key("valueLeft").number(about::value_left_px);
    json.key("valueWidth").number(about::value_width_px);
    json.key("rowHeight").number(about::row_height_px);
    json.key("rowTops").open('[');
    for (int row = 0; row < 7; ++row) json.number(about::row_top(row));
    json.close(']').key("fontPx").number(about::text_font_px).key("rows").open('[');
    for (const auto& row : about::fact_rows)
        json.open('[').string(row.caption).string(row.value).close(']');
    json.close(']');
    json.key("website").open('[').string(about::website_label).string(release::website_text);
    json.string(about::website_address).close(']');
    json.key("email").open('[').string(about::email_label).string(release::email_text);
    json.string(release::email_address).close(']').close('}');
}

void manual_design(Json& json) {
    json.key("manual").open('{').key("buttonWidth").number(manual_button_width_px);
    json.key("buttonHeight").number(manual_button_height_px);
    json.key("buttonInset").number(manual_button_inset_px).close('}');
}

// The page's name of a command that opens a document (see commands.js).
std::string_view command_name(MenuCommand command) {
    switch (command) {
        case MenuCommand::readme:
            return "readme";
        case MenuCommand::whatsnew:
            return "whatsnew";
        default:
            return "config";
    }
}

// The documents the menu opens, by their command names.
void documents(Json& json) {
    json.key("documents").open('{');
    for (const ShellDocument& document : shell_documents) {
        json.key(command_name(document.command)).string(document.file);
    }
    json.close('}');
}

}  // namespace

std::string windows_design_json() {
    Json json;
    json.open('{').key("dialogBlue").number(dialog_blue_colour);
    key_dialog_design(json);
    about_design(json);
    manual_design(json);
    documents(json);
    return json.close('}').take();
}

}  // namespace zuzazizo
