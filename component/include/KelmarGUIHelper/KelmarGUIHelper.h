/* C interface of the KelmarGUIHelper shared library, for hosts that load it at run time.
 * Strings are UTF-8 and NUL-terminated. Booleans are automation booleans: -1 true, 0 false.
 * A string result is allocated by the library and released with KelmarGUIHelper_FreeString. */
#ifndef KELMARGUIHELPER_H
#define KELMARGUIHELPER_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define KGH_API __declspec(dllexport)
#else
#define KGH_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The dialog operations show their dialog modally and return when it has closed. `parent` is
 * accepted and not used. In a library built without dialogs they return at once. */
KGH_API void KelmarGUIHelper_SetupOrvex(const void* parent, const char* root_path, const char* target_path);
KGH_API void KelmarGUIHelper_SetupOrvexEx(const void* parent, const char* root_path, const char* target_path,
                                          const char* default_server);
KGH_API void KelmarGUIHelper_EditExistingProject(const char* config_file);
/* The path of the configuration the wizard built, or "" when it was cancelled; never NULL. */
KGH_API char* KelmarGUIHelper_CreateNew(void);

KGH_API int16_t KelmarGUIHelper_CreateStartFile(const char* dest, const char* start_file);
KGH_API int16_t KelmarGUIHelper_Compile(const char* src_dir, const char* project_file, const char* dest_dir);
KGH_API void KelmarGUIHelper_FreeString(char* text);

/* The configuration doctor, as "orvex-setup check" runs it: what in a configuration will not work
 * the way its author most likely meant. Severity: 0 error, 1 warning, 2 hint. `line` is the file's
 * 1-based line, 0 when what the finding concerns is missing from the file. */
typedef struct KelmarGUIHelper_Finding {
  int32_t severity;
  const char* code;    /* the rule, a stable name such as "home-page-not-allowed" */
  const char* section; /* without brackets */
  int32_t line;
  const char* message; /* one sentence: what is wrong and what to do about it */
} KelmarGUIHelper_Finding;

/* Checks `config` (a configuration file, or a folder holding Orvex.INI). -1 when it could be read:
 * *findings then holds *count findings (NULL when there are none), released with
 * KelmarGUIHelper_FreeFindings; 0 when it could not be read. */
KGH_API int16_t KelmarGUIHelper_CheckConfiguration(const char* config, KelmarGUIHelper_Finding** findings,
                                                   size_t* count);
KGH_API void KelmarGUIHelper_FreeFindings(KelmarGUIHelper_Finding* findings, size_t count);

#ifdef __cplusplus
}
#endif

#endif /* KELMARGUIHELPER_H */
