#include "qt/QtApplicationGuard.h"

#include <QApplication>

namespace kgh::qt {

namespace {

// QApplication keeps references to argc and argv for its whole life, so both must outlive it.
int dummy_argc = 1;
char dummy_name[] = "orvex-setup";
char* dummy_argv[] = {dummy_name, nullptr};

}  // namespace

QApplication& EnsureApplication() {
  if (auto* existing = qobject_cast<QApplication*>(QApplication::instance())) return *existing;
  // Never deleted: destroying a QApplication and creating another is not supported.
  static auto* created = new QApplication(dummy_argc, dummy_argv);
  return *created;
}

}  // namespace kgh::qt
