// Feeds arbitrary bytes to the export-file parser and checks what must hold
// for any input: a parsed file writes back unchanged, and a value set in it is
// found again, also after writing and reading the file once more.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "RegDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    auto document = zunpeko::RegDocument::Parse(text);
    if (!document) {
        return 0;
    }
    if (document->Text() != text) {
        std::abort();
    }
    const std::string_view key = "HKEY_CURRENT_USER\\Zunpeko";
    const zunpeko::RegValue value = zunpeko::StringValue(text.substr(0, 24));
    document->SetValue(key, "SName1", value);
    auto reread = zunpeko::RegDocument::Parse(document->Text());
    if (document->FindValue(key, "SName1") != value ||
        (reread && reread->FindValue(key, "SName1") != value)) {
        std::abort();
    }
    return 0;
}
