# Writes the proposal of an example with a cost and who prepared it, and reads it back:
# the same bytes each run, Print All's pages among them; its sheets, outline, metadata and
# embedded fonts, the footer on every sheet but the cover, the headline figures as on the
# business case page, and every input of the project file in the appendix, in the locale's
# number format.
#   -DCALC=<program> -DPROJECT=<file.QVR> -DOUT=<folder>
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
set(ENV{SOURCE_DATE_EPOCH} 1796588103)

function(run)
    execute_process(COMMAND "${CALC}" ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "payvanta-calc ${ARGN} failed with ${status}: ${err}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()

function(page_text pdf first last)
    execute_process(COMMAND pdftotext -layout -f ${first} -l ${last} "${pdf}" -
                    OUTPUT_VARIABLE text)
    string(ASCII 12 formFeed)
    string(REPLACE "${formFeed}" "" text "${text}")
    set(text "${text}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND iconv -f WINDOWS-1252 -t UTF-8 "${PROJECT}" OUTPUT_VARIABLE project)
string(REPLACE "\r" "" project "${project}")
string(APPEND project "\n* The business case\nDriveCost = 250000\nProjectLife = 12\n"
                      "PreparedBy = Ann Smith\nPreparedByCompany = Corvanix\n")
file(WRITE "${OUT}/crane.QVR" "${project}")
set(pdf "${OUT}/crane.pdf")

run(--proposal "${OUT}/first.pdf" "${OUT}/crane.QVR")
execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 1.1)
run(--proposal "${pdf}" "${OUT}/crane.QVR")
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT}/first.pdf" "${pdf}"
                RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "two runs gave different proposals")
endif()

execute_process(COMMAND pdfinfo "${pdf}" OUTPUT_VARIABLE info)
foreach(line "Pages: +11" "Title: +Great Lakes Steel Works - BOF ladle crane No. 3 retrofit - Proposal"
             "Author: +Ann Smith, Corvanix" "Subject: +Savings of a crane control retrofit"
             "Creator: +Payvanta")
    if(NOT info MATCHES "(^|\n)${line}")
        message(FATAL_ERROR "pdfinfo lacks \"${line}\":\n${info}")
    endif()
endforeach()
execute_process(COMMAND pdffonts "${pdf}" OUTPUT_VARIABLE fonts)
string(REGEX MATCHALL "\n[^\n]+ (yes|no) +(yes|no) +(yes|no) +[0-9]+ +[0-9]+" rows "${fonts}")
string(REGEX MATCHALL " yes +(yes|no) +(yes|no) +[0-9]+ +[0-9]+" embedded "${fonts}")
list(LENGTH rows fontCount)
list(LENGTH embedded embeddedCount)
if(fontCount EQUAL 0 OR NOT fontCount EQUAL embeddedCount)
    message(FATAL_ERROR "a font is not embedded:\n${fonts}")
endif()

execute_process(COMMAND pdftohtml -xml -stdout -i -q "${pdf}" OUTPUT_VARIABLE xml)
string(REGEX MATCH "<outline>.*</outline>" outline "${xml}")
string(REGEX REPLACE "\n" "" outline "${outline}")
set(sections "<outline>")
set(page 0)
foreach(title "Retrofit Savings Proposal" "Business Case" "Savings Summary" "Energy Savings"
              "Maintenance Labor" "Inventory" "Hoist Energy Analysis"
              "Trolley Energy Analysis" "Bridge Energy Analysis" "Project Data")
    math(EXPR page "${page} + 1")
    string(APPEND sections "<item page=\"${page}\">${title}</item>")
endforeach()
string(APPEND sections "</outline>")
if(NOT outline STREQUAL sections)
    message(FATAL_ERROR "the outline is not the sections':\n${outline}")
endif()

# The footer on every sheet but the cover, beneath the page's own texts.
page_text("${pdf}" 1 1)
if(text MATCHES "Page 1 of")
    message(FATAL_ERROR "the cover has a footer:\n${text}")
endif()
foreach(n RANGE 2 11)
    page_text("${pdf}" ${n} ${n})
    if(NOT text MATCHES "Great Lakes Steel Works +BOF ladle crane No. 3 retrofit +Page ${n} of 11 +12/6/2026 *\n[\n ]*$")
        message(FATAL_ERROR "sheet ${n} does not end with its footer:\n${text}")
    endif()
endforeach()

# The headline figures are the business case page's.
run(--report BusinessCase --json "${OUT}/crane.QVR")
page_text("${pdf}" 1 1)
foreach(pair "Yearly Savings;txtTotal" "Simple Payback;txtPayback"
             "Savings over the Life;txtLifeSavings" "Net Present Value;txtNpv"
             "CO2 Avoided per Year;txtCo2PerYear")
    list(GET pair 0 caption)
    list(GET pair 1 name)
    string(JSON value GET "${output}" ${name})
    string(FIND "${text}" "${caption}" at)
    string(SUBSTRING "${text}" ${at} -1 rest)
    string(REGEX MATCH "^[^\n]*" line "${rest}")
    string(REGEX REPLACE "^${caption}  +" "" shown "${line}")
    if(at LESS 0 OR NOT shown STREQUAL value)
        message(FATAL_ERROR "the cover's ${caption} is not the page's ${value}: \"${line}\"")
    endif()
endforeach()

# Every input of the file, in its order, is a value of the appendix.
function(appendix_values pdf)
    page_text("${pdf}" 10 11)
    string(REGEX MATCHALL "\n +[^ \n][^\n]*[^ \n]  +[^ \n][^\n]*" rows "${text}")
    set(values)
    foreach(row IN LISTS rows)
        if(NOT row MATCHES "Page [0-9]+ of")
            string(REGEX REPLACE ".*[^ ]  +([^ ].*)$" "\\1" value "${row}")
            list(APPEND values "${value}")
        endif()
    endforeach()
    set(values "${values}" PARENT_SCOPE)
endfunction()
appendix_values("${pdf}")
string(REGEX MATCHALL "\n[A-Za-z]+(\\([1-5]\\))? = [^\n]*" settings "${project}")
set(expected)
foreach(setting IN LISTS settings)
    string(REGEX REPLACE "^\n([^ ]+) = (.*)$" "\\1;\\2" pair "${setting}")
    list(GET pair 0 key)
    list(GET pair 1 value)
    if(NOT key MATCHES "^(PrintFont|PreparedBy)")
        list(APPEND expected "${value}")
    endif()
endforeach()
if(NOT values STREQUAL expected)
    message(FATAL_ERROR "the appendix is not the file:\n${values}\nbut\n${expected}")
endif()

# In Germany the numbers take a decimal comma, as the form shows them.
run(--locale de_DE --proposal "${OUT}/de.pdf" "${OUT}/crane.QVR")
appendix_values("${OUT}/de.pdf")
list(GET values 3 rate)
list(GET values 5 labour)
if(NOT rate STREQUAL "0,0824" OR NOT labour STREQUAL "62,50")
    message(FATAL_ERROR "the appendix does not read as in Germany: ${rate}, ${labour}")
endif()

# One proposal per project file, each with its outline.
file(COPY "${PROJECT}" DESTINATION "${OUT}/more")
file(MAKE_DIRECTORY "${OUT}/each")
get_filename_component(file "${PROJECT}" NAME)
get_filename_component(second "${PROJECT}" NAME_WE)
run(--pdf-dir "${OUT}/each" --proposal "${OUT}/crane.QVR" "${OUT}/more/${file}")
foreach(written crane ${second})
    execute_process(COMMAND pdftohtml -xml -stdout -i -q "${OUT}/each/${written}.pdf"
                    OUTPUT_VARIABLE xml)
    if(NOT xml MATCHES "<item page=\"10\">Project Data</item>")
        message(FATAL_ERROR "${written}.pdf is not a proposal")
    endif()
endforeach()
