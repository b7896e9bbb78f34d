# The Debian package: `cpack -G DEB` in a build folder (scripts/package.sh)
# makes vellumar_<version>_<arch>.deb from the install rules, with the
# dependencies found by dpkg-shlibdeps.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellumar)
set(CPACK_PACKAGE_VENDOR "Vellumar team")
set(CPACK_PACKAGE_CONTACT "Vellumar team <${VELLUMAR_MAIL_ADDRESS}>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${VELLUMAR_WEB_PAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "helper for solving Russian crosswords")
set(CPACK_PACKAGE_DESCRIPTION
"Vellumar lists every dictionary word that fits the letters of a crossword
answer already known, each with its definitions. It also finds anagrams,
looks up words, filters them by weight, sorts the results, keeps a personal
dictionary, gathers statistics over its dictionaries and keeps a page of
notes. The window speaks Russian; vellumar-cli runs the same searches from
scripts and packs dictionaries of your own.

Two dictionaries made from the Russian word list and thesaurus of Debian's
hunspell-ru and mythes-ru come with it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
