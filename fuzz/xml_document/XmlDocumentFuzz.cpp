// Any text loads without crashing, hanging or recursing deeply, writes back, and answers
// child and attribute lookups.
#include "platform/TextFile.h"
#include "shared/XmlDocument.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    mxml::TXML doc;
    doc.LoadFromLines(platform::SplitLines(std::string(reinterpret_cast<const char*>(data), size)));
    doc.ToLines();
    for (size_t i = 0; i < doc.Root.ChildCount(); ++i) {
        const mxml::TXMLNode* node = doc.Root.Child(i);
        (void)node->GetAttribute(node->Name);
    }
    (void)doc.FirstElement();
    return 0;
}
