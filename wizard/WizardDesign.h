#pragma once
// Where the wizard's controls sit, in twips as the form was designed: a client area of
// 7155 x 5055 with the pages (7155 x 4425) at the top and the navigation row below them. The
// pages' and the row's designs (frmWizard::PageDesign, NavigationDesign) place within them.
#include "forms/Twips.h"

namespace kgh {

namespace wizard_layout {

inline constexpr int kClientWidth = 7155;
inline constexpr int kClientHeight = 5055;
inline constexpr int kPageHeight = 4425;

inline constexpr TwipsRect kClient{0, 0, kClientWidth, kClientHeight};
inline constexpr TwipsRect kPages{0, 0, kClientWidth, kPageHeight};
inline constexpr TwipsRect kNavRow{0, kPageHeight, kClientWidth, kClientHeight - kPageHeight};

}  // namespace wizard_layout

// The wizard's own pictures, compiled into the program under these names: a banner beside each
// page and the pictures of the two choice buttons on "Step 1".
namespace wizard_pictures {

inline constexpr const char* kIntroduction = "intro";
inline constexpr const char* kChoose = "choose";
inline constexpr const char* kInstructions = "instructions";
inline constexpr const char* kFinished = "finished";
inline constexpr const char* kServer = "server";
inline constexpr const char* kBlankPage = "blank";

}  // namespace wizard_pictures

}  // namespace kgh
