#include "qt/wizard/WizardWidgets.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

#include <algorithm>

#include "qt/Twips.h"
#include "qt/wizard/WizardLayout.h"
#include "qt/wizard/WizardPictures.h"

namespace kgh::qt {

namespace layout = wizard_layout;

namespace {

// The page that shows lblStep(index) and imgStep(index).
constexpr std::array<int, frmWizard::kStepCount> kStepIndex = {0, 1, 2, 5};

QString Name(const forms::Control& control) { return QString::fromStdString(control.name); }

QLabel* MakeText(QWidget* parent, const forms::Control& control) {
  auto* label = new QLabel(parent);
  label->setObjectName(Name(control));
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QLabel* MakePicture(QWidget* page, const forms::Control& control, int index) {
  auto* picture = new QLabel(page);
  picture->setObjectName(Name(control));
  picture->setAlignment(Qt::AlignCenter);
  Place(picture, layout::kPicture);
  picture->setPixmap(WizardPixmap(StepPicture(index), picture->size(), picture->devicePixelRatioF()));
  return picture;
}

QPushButton* MakeChoiceButton(QWidget* page, const forms::Control& control, WizardPicture picture,
                              const TwipsRect& rect) {
  auto* button = new QPushButton(page);
  button->setObjectName(Name(control));
  button->setAutoDefault(false);
  Place(button, rect);
  button->setIcon(WizardIcon(picture));
  const int side = std::min(button->width(), button->height()) - TwipsToPixels(150, button);
  button->setIconSize(QSize(side, side));
  return button;
}

// A choice button's label names the button for assistive technology and moves the focus to
// it when its mnemonic is pressed.
QLabel* MakeChoiceLabel(QWidget* page, const forms::Control& control, QPushButton* button) {
  QLabel* label = MakeText(page, control);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setBuddy(button);
  return label;
}

void BuildPages(QWidget* dialog, const frmWizard& form, WizardWidgets& widgets) {
  widgets.pages = new QStackedWidget(dialog);
  widgets.pages->setObjectName(QStringLiteral("fraStep"));
  Place(widgets.pages, layout::kPages);
  for (std::size_t step = 0; step < widgets.page.size(); ++step) {
    auto* page = new QWidget(widgets.pages);
    page->setObjectName(Name(form.fraStep[step]));
    widgets.pages->addWidget(page);
    widgets.page[step] = page;
    const int index = kStepIndex[step];
    widgets.picture[index] = MakePicture(page, form.imgStep.at(index), index);
    widgets.step_text[index] = MakeText(page, form.lblStep.at(index));
  }
  widgets.heading = MakeText(widgets.page[0], form.Label2);
  QFont heading_font(QStringLiteral("Tahoma"));
  heading_font.setPointSizeF(15.75);
  heading_font.setBold(true);
  widgets.heading->setFont(heading_font);

  QWidget* choices = widgets.page[1];
  widgets.iis = MakeChoiceButton(choices, form.cmdIIS, WizardPicture::Server, layout::kIISButton);
  widgets.iis_label = MakeChoiceLabel(choices, form.lblExpl, widgets.iis);
  widgets.empty = MakeChoiceButton(choices, form.cmdEmptyApp, WizardPicture::BlankPage, layout::kEmptyButton);
  widgets.empty_label = MakeChoiceLabel(choices, form.Label1, widgets.empty);

  widgets.save_settings = new QCheckBox(widgets.page[3]);
  widgets.save_settings->setObjectName(Name(form.chkSaveSettings));
}

void BuildNavigation(QWidget* dialog, const frmWizard& form, WizardWidgets& widgets) {
  widgets.nav = new QWidget(dialog);
  widgets.nav->setObjectName(Name(form.picNav));
  Place(widgets.nav, layout::kNavRow);
  // The etched separator: a grey line over a white one.
  auto* separator = new QFrame(widgets.nav);
  separator->setObjectName(QStringLiteral("Line1"));
  separator->setFrameShape(QFrame::HLine);
  separator->setFrameShadow(QFrame::Sunken);
  separator->setGeometry(0, 0, widgets.nav->width(), 2);
  for (std::size_t i = 0; i < widgets.nav_button.size(); ++i) {
    auto* button = new QPushButton(widgets.nav);
    button->setObjectName(Name(form.cmdNav[i]));
    PlaceButton(button, {layout::kNavLefts[i], layout::kNavTop, layout::kNavWidth, layout::kNavHeight});
    widgets.nav_button[i] = button;
  }
}

}  // namespace

WizardWidgets BuildWizardWidgets(QWidget* dialog, const frmWizard& form) {
  WizardWidgets widgets;
  BuildPages(dialog, form, widgets);
  BuildNavigation(dialog, form, widgets);
  return widgets;
}

void LayOutTexts(const WizardWidgets& widgets) {
  const int heading_bottom = PlaceLabel(widgets.heading, layout::kHeading);
  PlaceLabel(widgets.step_text.at(0), Below(layout::kIntroText, heading_bottom));
  PlaceLabel(widgets.step_text.at(1), layout::kStepText);
  PlaceLabel(widgets.step_text.at(2), layout::kStepText);
  PlaceLabel(widgets.iis_label, layout::kIISLabel);
  PlaceLabel(widgets.empty_label, layout::kEmptyLabel);
  const int finished_bottom = PlaceLabel(widgets.step_text.at(5), layout::kFinishedText);
  Place(widgets.save_settings, Below(layout::kSaveSettings, finished_bottom));
}

}  // namespace kgh::qt
