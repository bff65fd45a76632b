# Tests of number reading and entry need a locale whose decimal separator is a comma. When
# the system has none installed, one is compiled from the locale sources into the build tree
# and the tests find it through LOCPATH (the system's own locales stay reachable after it).
#
# Sets QUARLO_TEST_LOCPATH: the value for LOCPATH in the tests' environment, or empty when
# the system already has de_DE.UTF-8 or fr_FR.UTF-8.
set(QUARLO_TEST_LOCPATH "")
execute_process(COMMAND locale -a OUTPUT_VARIABLE installed_locales ERROR_QUIET)
string(TOLOWER "${installed_locales}" installed_locales)
if(NOT installed_locales MATCHES "de_de\\.utf-?8" AND NOT installed_locales MATCHES "fr_fr\\.utf-?8")
    set(locale_root ${PROJECT_BINARY_DIR}/locale)
    if(NOT EXISTS ${locale_root}/de_DE.UTF-8/LC_NUMERIC)
        file(MAKE_DIRECTORY ${locale_root})
        execute_process(COMMAND localedef -i de_DE -f UTF-8 ${locale_root}/de_DE.UTF-8
                        RESULT_VARIABLE localedef_result OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(EXISTS ${locale_root}/de_DE.UTF-8/LC_NUMERIC)
        set(QUARLO_TEST_LOCPATH "${locale_root}:/usr/lib/locale")
    else()
        message(WARNING "No decimal-comma locale: install Debian's 'locales' package so the tests can make one")
    endif()
endif()
