#include "qt/HelpTopics.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace kgh::qt {
namespace {

constexpr const char* kTopicProperty = "kghHelpTopic";

}  // namespace

void SetHelpTopic(QWidget& window, const char* page) { window.setProperty(kTopicProperty, QString::fromUtf8(page)); }

QString HelpTopicInFront() {
  for (const QWidget* window : {QApplication::activeModalWidget(), QApplication::activeWindow()}) {
    if (window == nullptr) continue;
    const QString topic = window->property(kTopicProperty).toString();
    if (!topic.isEmpty()) return topic;
  }
  return QString::fromUtf8(kIndexTopic);
}

}  // namespace kgh::qt
