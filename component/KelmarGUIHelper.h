/* C interface of the KelmarGUIHelper shared library, for hosts that load it at run time.
 * Strings are UTF-8 and NUL-terminated. Booleans are automation booleans: -1 true, 0 false.
 * A string result is allocated by the library and released with KelmarGUIHelper_FreeString. */
#ifndef KELMARGUIHELPER_H
#define KELMARGUIHELPER_H

#include <stdint.h>

#if defined(_WIN32)
#define KGH_API __declspec(dllexport)
#else
#define KGH_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

KGH_API int16_t KelmarGUIHelper_CreateStartFile(const char* dest, const char* start_file);
KGH_API int16_t KelmarGUIHelper_Compile(const char* src_dir, const char* project_file, const char* dest_dir);
KGH_API void KelmarGUIHelper_FreeString(char* text);

#ifdef __cplusplus
}
#endif

#endif /* KELMARGUIHELPER_H */
