#include "text/textformat.h"

namespace pelmora::text {

std::string_view newTextTemplate()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
           "<?xml-stylesheet type=\"text/xsl\" href=\"pelmora_tekst.xsl\"?>\r\n"
           "<pelmora>\r\n"
           "<sisu>\r\n"
           "<lause id=\"l1\">\r\n"
           "<sone>__UUS_FAIL__</sone>\r\n"
           "</lause>\r\n"
           "</sisu>\r\n"
           "</pelmora>";
}

std::string_view emptyBodyTemplate()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
           "<?xml-stylesheet type=\"text/xsl\" href=\"pelmora_tekst.xsl\"?>\r\n"
           "<pelmora>\r\n"
           "<sisu>\r\n"
           "</sisu>\r\n"
           "</pelmora>";
}

}  // namespace pelmora::text
