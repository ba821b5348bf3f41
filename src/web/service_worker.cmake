# Writes the site's service worker from its template: the files it keeps, and the version
# and a digest of those files for the name of its cache.
# cmake -DSITE=FOLDER -DFILES=A|B|... -DVERSION=V -DTEMPLATE=FILE -P service_worker.cmake
string(REPLACE "|" ";" files "${FILES}")
set(digests "")
set(names "")
foreach(f IN LISTS files)
    file(SHA256 "${SITE}/${f}" digest)
    string(APPEND digests "${f} ${digest}\n")
    list(APPEND names "'${f}'")
endforeach()
string(SHA256 DIGEST "${digests}")
string(SUBSTRING ${DIGEST} 0 16 DIGEST)
list(JOIN names ", " FILES)
file(READ "${TEMPLATE}" text)
string(CONFIGURE "${text}" text @ONLY)
file(WRITE "${SITE}/service-worker.js" "${text}")
