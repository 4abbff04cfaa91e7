# Debian packages, made by CPack from the install components (scripts/package.sh):
#   libtypekit12             runtime     the core libraries (Qt Core only)
#   libtypekit-dev           dev         their headers, library links, CMake package, pkg-config files
#   libtypekit-widgets12     widgets     the widgets library (Qt Gui and Widgets)
#   libtypekit-widgets-dev   widgetsdev  its header, link, pkg-config file and the Widgets component
#   typekit-samplehost       samplehost  the sample host and the test support, whole
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME typekit)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime dev widgets widgetsdev samplehost)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "typekit developers <typekit@example.org>")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

set(version "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME libtypekit${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
# The Qt and C++ runtime from the libraries' own links; a shlibs file for the packages that
# link them.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "${PROJECT_DESCRIPTION}: shared libraries
 The public trading types that a desktop trading host and its broker plug-ins link
 against: values, the enumerations of the order world, records, storages, context
 providers and the notifier. They need Qt Core only.")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libtypekit-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "libtypekit${PROJECT_VERSION_MAJOR} (= ${version}), qt6-base-dev (>= 6.4)")
set(CPACK_COMPONENT_DEV_DESCRIPTION
    "${PROJECT_DESCRIPTION}: development files
 Headers, the CMake package (find_package(typekit)) and pkg-config files of the
 typekit libraries.")

set(CPACK_DEBIAN_WIDGETS_PACKAGE_NAME libtypekit-widgets${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_WIDGETS_PACKAGE_SECTION libs)
# Qt from the library's links; the core libraries, which are in a package of this build, by name
# (dpkg-shlibdeps finds their files in the build tree and, as they are in no installed package,
# leaves them out).
set(CPACK_DEBIAN_WIDGETS_PACKAGE_SHLIBDEPS ON)
get_property(core GLOBAL PROPERTY TYPEKIT_LIBRARIES)
list(TRANSFORM core PREPEND "${PROJECT_BINARY_DIR}/src/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${core})
set(CPACK_DEBIAN_WIDGETS_PACKAGE_DEPENDS "libtypekit${PROJECT_VERSION_MAJOR} (= ${version})")
set(CPACK_COMPONENT_WIDGETS_DESCRIPTION
    "${PROJECT_DESCRIPTION}: widgets
 The control bases of a trading host's input controls and the exit strategy choice
 control, on Qt Widgets.")

set(CPACK_DEBIAN_WIDGETSDEV_PACKAGE_NAME libtypekit-widgets-dev)
set(CPACK_DEBIAN_WIDGETSDEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_WIDGETSDEV_PACKAGE_DEPENDS
    "libtypekit-widgets${PROJECT_VERSION_MAJOR} (= ${version}), libtypekit-dev (= ${version})")
set(CPACK_COMPONENT_WIDGETSDEV_DESCRIPTION
    "${PROJECT_DESCRIPTION}: widgets development files
 Headers, pkg-config file and the CMake package's Widgets component of the typekit
 widgets library.")

set(CPACK_DEBIAN_SAMPLEHOST_PACKAGE_NAME typekit-samplehost)
set(CPACK_DEBIAN_SAMPLEHOST_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_SAMPLEHOST_PACKAGE_DEPENDS "libtypekit-dev (= ${version})")
set(CPACK_COMPONENT_SAMPLEHOST_DESCRIPTION
    "${PROJECT_DESCRIPTION}: sample host and test support
 An in-memory host (topics, symbols, accounts, storages) for the tests and examples
 of plug-ins, and a recorder of the non-fatal reports for their Qt Tests.")

include(CPack)
