/* C interface of the KelmarGUIHelper shared library, for hosts that load it at run time.
 * Strings are UTF-8 and NUL-terminated. Booleans are automation booleans: -1 true, 0 false.
 * A string result is allocated by the library and released with KelmarGUIHelper_FreeString.
 * Every function may be called from several threads at once, on the same file or on different
 * ones; the dialog operations show their dialogs only to one thread (see below). */
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
 * accepted and not used. Where no dialog can be shown they return at once, showing and changing
 * nothing, and KelmarGUIHelper_LastError says why: in a library built without dialogs, without a
 * display, and on any thread but the one that runs the process's Qt application (the host's, or
 * else the one the library made for the first dialog call that could show one). */
KGH_API void KelmarGUIHelper_SetupOrvex(const void* parent, const char* root_path, const char* target_path);
KGH_API void KelmarGUIHelper_SetupOrvexEx(const void* parent, const char* root_path, const char* target_path,
                                          const char* default_server);
KGH_API void KelmarGUIHelper_EditExistingProject(const char* config_file);
/* The path of the configuration the wizard built, or "" when it was cancelled; never NULL. */
KGH_API char* KelmarGUIHelper_CreateNew(void);

KGH_API int16_t KelmarGUIHelper_CreateStartFile(const char* dest, const char* start_file);
KGH_API int16_t KelmarGUIHelper_Compile(const char* src_dir, const char* project_file, const char* dest_dir);
KGH_API void KelmarGUIHelper_FreeString(char* text);

/* Why the calling thread's last call into the library did not do what it was asked, or 0 when it
 * did; each thread has its own, as it has its own errno. Every function sets it but this one and
 * the two that free memory. A positive value is the system's error number (errno) from reading or
 * writing the file; a negative one is one of these. */
#define KELMARGUIHELPER_ERROR_NO_DISPLAY (-1)   /* a dialog call found no display to show it on */
#define KELMARGUIHELPER_ERROR_OTHER_THREAD (-2) /* a dialog call from a thread that may not show dialogs */
#define KELMARGUIHELPER_ERROR_NO_DIALOGS (-3)   /* a dialog call to a library built without dialogs */
#define KELMARGUIHELPER_ERROR_FAILED (-4)       /* a failure the system gave no number for */
KGH_API int KelmarGUIHelper_LastError(void);

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
