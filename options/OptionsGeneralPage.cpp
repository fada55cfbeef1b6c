// The "General" page: home and error page, default server, root directory.
#include "options/PageAddress.h"
#include "options/ServerRewrite.h"
#include "options/TextSelection.h"
#include "options/frmOrvexOptions.h"
#include "platform/CBrowseFolder.h"

namespace kgh {

void frmOrvexOptions::InitGeneralPage() {
  const std::string_view fields[] = {kHomePageSetting.shown.caption, kErrorPageSetting.shown.caption, "&Default server",
                                     "&Root directory"};
  const char* headings[] = {"Pages", "Domains", "Defaults", "Custom buttons"};
  for (std::size_t i = 0; i < 4; ++i) {
    Label1[i].name = "Label1(" + std::to_string(i) + ")";
    Label1[i].caption = std::string(fields[i]);
    Label2[i].name = "Label2(" + std::to_string(i) + ")";
    Label2[i].caption = headings[i];
  }
  Label3[0].name = "Label3(0)";
  Label3[0].caption = "The home page is shown as the very first page";
  Label3[1].name = "Label3(1)";
  Label3[1].caption = "The error page is shown when user has no rights to navigate";
  Label5.name = "Label5";
  Label5.caption = "The default server (server:port) specifies on which server your web application resides";
  Label6.name = "Label6";
  Label6.caption = "The root directory is where web application files are";
  txtHome.name = kHomePageSetting.shown.control;
  cmdBrowse.name = "cmdBrowse";
  txtError.name = kErrorPageSetting.shown.control;
  txtServer.name = "txtServer";
  cmdChangeRoot.name = "cmdChangeRoot";
  cmdChangeRoot.caption = "&Apply change...";
  // The root box accepts typing as well as the folder button: saving takes over what it shows.
  txtRoot.name = "txtRoot";
  cmdBrowseDir.name = "cmdBrowseDir";
}

std::string frmOrvexOptions::AddressForChosenFile(const std::string& file) const {
  return PageAddressFor(root_dir_, file, def_server_, services_.flavour);
}

void frmOrvexOptions::cmdBrowse_Click() {
  if (services_.file_dialogs != nullptr) {
    FileDialogRequest request;
    request.title = "Select start page";
    request.description = "ASP / HTML pages";
    request.extensions = "htm;*.asp;*.aspx;*.php";
    request.initial_dir = root_dir_;
    const std::string file = services_.file_dialogs->ShowFileDialog(request);
    if (!file.empty()) txtHome.text = AddressForChosenFile(file);
  }
  SafeSetFocus(txtHome);
}

void frmOrvexOptions::cmdBrowseDir_Click() {
  // Addresses already in the dialog stay as they are; only later choices use the new root.
  const std::string chosen = CBrowseFolder(services_.folder_browser).BrowseForFolder(this, txtRoot.text);
  if (chosen.empty()) return;
  txtRoot.text = chosen;
  root_dir_ = chosen;
}

void frmOrvexOptions::cmdChangeRoot_Click() {
  // A server the file cannot hold would be copied into every address, and lines of the lists
  // holding it could not be saved.
  if (RefusedAsTyped(services_, TypedText::DefaultServer, txtServer.text)) {
    SafeSetFocus(txtServer);
    return;
  }
  if (Ask("This will change all URLs where the previous root resides. Do you want to continue?") != MessageAnswer::Yes)
    return;
  ChangeServerInUrls(def_server_, txtServer.text);
  def_server_ = txtServer.text;
}

void frmOrvexOptions::ChangeServerInUrls(const std::string& OldServer, const std::string& NewServer) {
  const auto rewrite = [&](std::string& address) { address = ReplaceServer(address, OldServer, NewServer); };
  rewrite(txtHome.text);
  rewrite(txtError.text);
  for (std::string& domain : lstDomains.items) rewrite(domain);
  for (ToolbarEntry& row : lstButtons.rows) {
    rewrite(row.url);
    rewrite(row.image);
  }
}

void frmOrvexOptions::txtHome_GotFocus() { txtHome.Select(0, kAddressSelectionLength); }
void frmOrvexOptions::txtError_GotFocus() { txtError.Select(0, kAddressSelectionLength); }
void frmOrvexOptions::txtServer_GotFocus() { txtServer.Select(0, kServerSelectionLength); }

}  // namespace kgh
