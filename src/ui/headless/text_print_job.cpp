#include "ui/headless/text_print_job.h"

namespace telvane::ui::headless {

TextPrintJob::TextPrintJob(const std::string& path, int copies)
    : out_(path, std::ios::binary | std::ios::trunc), copies_(copies) {}

void TextPrintJob::StartDocument(std::string_view name) { out_ << "document " << name << '\n'; }

void TextPrintJob::Text(int x, int y, std::string_view text, bool red) {
  out_ << (red ? "red" : "black") << ' ' << x << ' ' << y << '\t' << text << '\n';
}

}  // namespace telvane::ui::headless
