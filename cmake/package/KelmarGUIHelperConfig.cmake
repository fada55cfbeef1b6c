# find_package(KelmarGUIHelper CONFIG): the imported target KelmarGUIHelper::KelmarGUIHelper, the
# shared library with its C interface and the header-only C++ wrapper.
include("${CMAKE_CURRENT_LIST_DIR}/KelmarGUIHelperTargets.cmake")
