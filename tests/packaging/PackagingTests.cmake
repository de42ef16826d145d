# The Debian package, built once by package.Build and unpacked with dpkg -x;
# the other tests look at what it installs. A missing tool skips (77).
set(TAGWRIGHT_PACKAGE_TEST_DIR ${CMAKE_BINARY_DIR}/package-test)
set(PACKAGING_TESTS ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
if(TAGWRIGHT_BUILD_UI)
    set(TAGWRIGHT_PACKAGE_HAS_EDITOR 1)
else()
    set(TAGWRIGHT_PACKAGE_HAS_EDITOR 0)
endif()

add_test(NAME package.Build
         COMMAND bash ${PACKAGING_TESTS}/build_deb.sh ${CMAKE_BINARY_DIR} ${TAGWRIGHT_PACKAGE_TEST_DIR})
set_tests_properties(package.Build PROPERTIES FIXTURES_SETUP tagwright_deb)

add_test(NAME package.Contents
         COMMAND bash ${PACKAGING_TESTS}/deb_contents.sh ${TAGWRIGHT_PACKAGE_TEST_DIR}
                 ${TAGWRIGHT_PACKAGE_HAS_EDITOR} ${PROJECT_VERSION})
add_test(NAME package.ManPages
         COMMAND bash ${PACKAGING_TESTS}/man_pages.sh ${TAGWRIGHT_PACKAGE_TEST_DIR}
                 ${TAGWRIGHT_MAN_PAGES})
set(PACKAGE_TESTS package.Build package.Contents package.ManPages)

# The pages keep up with the programs' own option lists (no package needed).
if(TARGET tagwright-check)
    add_test(NAME man.CheckerOptionsDescribed
             COMMAND bash ${PACKAGING_TESTS}/man_options.sh $<TARGET_FILE:tagwright-check>
                     ${CMAKE_SOURCE_DIR}/man/tagwright-check.1)
endif()
if(TAGWRIGHT_BUILD_UI)
    add_test(NAME man.EditorOptionsDescribed
             COMMAND bash ${PACKAGING_TESTS}/man_options.sh $<TARGET_FILE:tagwright>
                     ${CMAKE_SOURCE_DIR}/man/tagwright.1)
endif()

if(TAGWRIGHT_BUILD_UI)
    add_test(NAME package.DesktopEntry
             COMMAND bash ${PACKAGING_TESTS}/desktop_entry.sh ${TAGWRIGHT_PACKAGE_TEST_DIR}
                     ${PROJECT_VERSION})
    add_test(NAME package.MetaInfo
             COMMAND bash ${PACKAGING_TESTS}/metainfo.sh ${TAGWRIGHT_PACKAGE_TEST_DIR})
    add_test(NAME package.FileTypes
             COMMAND bash ${PACKAGING_TESTS}/file_types.sh ${TAGWRIGHT_PACKAGE_TEST_DIR})
    add_test(NAME e2e.OpenFromMenuEntry
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/open_from_menu_entry.sh
                     ${TAGWRIGHT_PACKAGE_TEST_DIR})
    set_tests_properties(e2e.OpenFromMenuEntry PROPERTIES TIMEOUT 60)
    list(APPEND PACKAGE_TESTS package.DesktopEntry package.MetaInfo package.FileTypes
         e2e.OpenFromMenuEntry)
endif()

set_tests_properties(${PACKAGE_TESTS} PROPERTIES SKIP_RETURN_CODE 77)
list(REMOVE_ITEM PACKAGE_TESTS package.Build)
set_tests_properties(${PACKAGE_TESTS} PROPERTIES FIXTURES_REQUIRED tagwright_deb)
