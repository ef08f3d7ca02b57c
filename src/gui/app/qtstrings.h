// The one crossing between the core's UTF-8 strings and Qt's QString.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace pelmora::gui {

inline QString toQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStd(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace pelmora::gui
