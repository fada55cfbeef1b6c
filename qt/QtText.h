#pragma once
// The core keeps UTF-8 std::string; Qt keeps QString. Conversions happen only at this edge.
#include <QString>

#include <string>

namespace kgh::qt {

inline QString ToQ(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

inline std::string FromQ(const QString& text) { return text.toUtf8().toStdString(); }

// The QString position of a UTF-8 byte offset into `text` (offsets past the end clip to it).
inline int QPosition(const std::string& text, std::size_t byte_offset) {
  const std::size_t clipped = byte_offset < text.size() ? byte_offset : text.size();
  return static_cast<int>(ToQ(text.substr(0, clipped)).size());
}

}  // namespace kgh::qt
