#pragma once
// The core keeps UTF-8 std::string; Qt keeps QString. Conversions happen only at this edge.
#include <QString>

#include <string>

namespace kgh::qt {

inline QString ToQ(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

inline std::string FromQ(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace kgh::qt
