// Qt ends the process when it finds no display, and its widgets live on the application's thread
// alone, so both are settled before a dialog is made.
#include "qt/QtFrontEnd.h"

#include <QApplication>
#include <QThread>

#include <mutex>

#include "qt/QtApplicationGuard.h"
#include "qt/QtServices.h"

namespace kgh {
namespace {

// Looking for the application and making it are one step: no thread reads the application while
// another makes it, nor finds none and makes a second.
std::mutex application_mutex;

DialogAccess AccessFromThisThread() {
  const std::lock_guard lock(application_mutex);
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr) {
    if (!qt::DisplayAvailable()) return DialogAccess::NoDisplay;
    application = &qt::EnsureApplication();
  }
  // A host's QCoreApplication or QGuiApplication cannot carry widgets, and a second application
  // cannot be made beside it.
  if (qobject_cast<QApplication*>(application) == nullptr) return DialogAccess::NoDisplay;
  if (application->thread() != QThread::currentThread()) return DialogAccess::OtherThread;
  return DialogAccess::Ready;
}

class QtFrontEnd final : public FrontEnd {
 public:
  DialogAccess Dialogs() const override { return access_; }
  ComponentServices Services() override {
    return access_ == DialogAccess::Ready ? services_.Component() : ComponentServices{};
  }

 private:
  DialogAccess access_ = AccessFromThisThread();
  qt::QtServices services_;
};

}  // namespace

std::unique_ptr<FrontEnd> qt::MakeFrontEnd() { return std::make_unique<QtFrontEnd>(); }

}  // namespace kgh
