// Writes a configuration from the built-in template, compiles a project, checks both answers and
// the file written, and lists what the configuration doctor finds in it: the template's
// "{PORT}" placeholder, which a kiosk's setup still has to fill in. Exit status 0 when all is as
// expected.
#include <KelmarGUIHelper/KelmarGUIHelper.hpp>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char** argv) {
  const std::string config = argc > 1 ? argv[1] : "Orvex.INI";
  const bool created = KelmarGUIHelper::SetupOrvex::CreateStartFile(config, "start.htm");
  std::cout << "CreateStartFile(" << config << ", start.htm): " << std::boolalpha << created << '\n';

  std::stringstream written;
  written << std::ifstream(config, std::ios::binary).rdbuf();
  const bool has_home_page = written.str().find("\r\nHomepage=start.htm\r\n") != std::string::npos;
  std::cout << "home page in the file: " << has_home_page << '\n';

  const bool compiled = KelmarGUIHelper::SetupOrvex::Compile("src", "project.kpj", "dest");
  std::cout << "Compile(src, project.kpj, dest): " << compiled << '\n';

  const auto findings = KelmarGUIHelper::SetupOrvex::CheckConfiguration(config);
  bool only_the_port = findings && findings->size() == 1;
  for (const KelmarGUIHelper::Finding& finding : findings.value_or(std::vector<KelmarGUIHelper::Finding>{})) {
    std::cout << config << ':' << finding.line << ": [" << finding.section << "] " << finding.message << '\n';
    only_the_port = only_the_port && finding.code == "port-placeholder";
  }

  return created && has_home_page && compiled && only_the_port ? 0 : 1;
}
