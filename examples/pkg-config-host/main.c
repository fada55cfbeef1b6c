/* Writes a configuration from the built-in template, compiles a project, and checks both answers
 * (automation booleans: -1 true, 0 false). Exit status 0 when all is as expected. */
#include <KelmarGUIHelper/KelmarGUIHelper.h>
#include <stdio.h>

int main(int argc, char** argv) {
  const char* config = argc > 1 ? argv[1] : "Orvex.INI";
  const int16_t created = KelmarGUIHelper_CreateStartFile(config, "start.htm");
  printf("KelmarGUIHelper_CreateStartFile(%s, start.htm) = %d\n", config, created);

  FILE* file = fopen(config, "rb");
  printf("file written: %s\n", file != NULL ? "yes" : "no");
  if (file != NULL) fclose(file);

  const int16_t compiled = KelmarGUIHelper_Compile("src", "project.kpj", "dest");
  printf("KelmarGUIHelper_Compile(src, project.kpj, dest) = %d\n", compiled);

  return created == -1 && file != NULL && compiled == -1 ? 0 : 1;
}
