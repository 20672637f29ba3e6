#include "script/transcript.h"

#include <cstdio>
#include <string>

namespace vekselgrad::script {
namespace {

std::string formName(Form form) {
    switch (form) {
        case Form::Form4:
            return "\"Form4\"";
        case Form::Form5:
            return "\"Form5\"";
        case Form::Form6:
            return "\"Form6\"";
    }
    return "\"\"";
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

void Transcript::gesture(std::string_view line) {
    out_ << "{\"gesture\": " << jsonString(line) << "}\n";
}

void Transcript::box(Form form, std::string_view box, std::string_view text) {
    out_ << "{\"form\": " << formName(form) << ", \"box\": " << jsonString(box)
         << ", \"text\": " << jsonString(text) << "}\n";
}

void Transcript::print(Form form, std::string_view line) {
    out_ << "{\"form\": " << formName(form) << ", \"print\": " << jsonString(line) << "}\n";
}

void Transcript::clear(Form form) {
    out_ << "{\"form\": " << formName(form) << ", \"clear\": true}\n";
}

void Transcript::messageBox(std::string_view text, std::string_view caption, MessageIcon icon) {
    out_ << "{\"msgbox\": " << jsonString(text) << ", \"caption\": " << jsonString(caption)
         << ", \"icon\": " << (icon == MessageIcon::information ? "\"information\"" : "\"none\"")
         << "}\n";
}

void Transcript::inputBox(std::string_view body, std::string_view caption,
                          std::string_view answer, bool cancelled) {
    out_ << "{\"input\": " << jsonString(body) << ", \"caption\": " << jsonString(caption)
         << ", \"answer\": " << jsonString(answer) << (cancelled ? ", \"cancelled\": true" : "")
         << "}\n";
}

void Transcript::show(Form form) { out_ << "{\"show\": " << formName(form) << "}\n"; }

void Transcript::unload(Form form) { out_ << "{\"unload\": " << formName(form) << "}\n"; }

void Transcript::error(std::string_view message) {
    out_ << "{\"error\": " << jsonString(message) << "}\n";
}

}  // namespace vekselgrad::script
