// Saves a picture of each wizard page, as the user sees it, for the documentation:
//   wizard-screenshots <folder>   writes <folder>/wizard-1-introduction.png ... wizard-4-finished.png
// Run it on a display (a virtual one such as Xvfb will do); the pages are reached by pressing
// Next, like a user would.
#include <QApplication>
#include <QDir>
#include <QPushButton>

#include <iostream>

#include "qt/wizard/WizardView.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: wizard-screenshots <output folder>\n";
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.exists() && !QDir().mkpath(folder.path())) {
    std::cerr << "wizard-screenshots: cannot create " << argv[1] << '\n';
    return 1;
  }
  kgh::frmWizard form;
  form.Form_Load();
  kgh::qt::WizardView view(form);
  view.show();
  auto* next = view.findChild<QPushButton*>(QStringLiteral("cmdNav(3)"));
  const char* names[] = {"wizard-1-introduction", "wizard-2-step1", "wizard-3-step2", "wizard-4-finished"};
  for (int step = 0; step < kgh::frmWizard::kStepCount; ++step) {
    if (step > 0) next->click();
    QApplication::processEvents();
    const QString file = folder.filePath(QString::fromLatin1(names[step]) + QStringLiteral(".png"));
    if (!view.grab().save(file)) {
      std::cerr << "wizard-screenshots: cannot write " << file.toStdString() << '\n';
      return 1;
    }
    std::cout << file.toStdString() << '\n';
  }
  return 0;
}
