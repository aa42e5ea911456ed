cmake_minimum_required(VERSION 3.25)
# Fails unless every exported member of CLabel is in PROGRAM's dynamic symbol table, and
# unless nothing else of the program's own code is: the rest is compiled with hidden
# visibility. The program's own symbols are those defined in OWN_CODE (its object files and
# libraries, separated by |); the standard library's template code (namespaces std and
# __gnu_cxx, which keep default visibility) and whatever a sanitizer runtime exports do not
# count.
function(defined_symbols out)
    execute_process(COMMAND nm --defined-only ${ARGN}
        OUTPUT_VARIABLE symbols RESULT_VARIABLE result ERROR_QUIET)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "nm could not read ${ARGN}")
    endif()
    string(REGEX MATCHALL "[0-9a-f]+ [A-Za-z] [^\n]+" lines "${symbols}")
    list(TRANSFORM lines REPLACE "^[0-9a-f]+ [A-Za-z] " "")
    set(${out} ${lines} PARENT_SCOPE)
endfunction()

defined_symbols(exported -C -D ${PROGRAM})
list(JOIN exported "\n" exported_text)
foreach(member
        "CLabel::CLabel()" "CLabel::~CLabel()" "CLabel::SetTextColor(" "CLabel::SetFontBold("
        "CLabel::SetFontSize(" "CLabel::SetBkColor(" "CLabel::CtlColor(" "CLabel::ReconstructFont()"
        "CLabel::GetMessageMap() const" "CLabel::GetThisMessageMap()")
    string(FIND "\n${exported_text}" "\n${member}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "${member} is not exported by ${PROGRAM}")
    endif()
endforeach()

string(REPLACE "|" ";" own_code "${OWN_CODE}")
defined_symbols(own ${own_code})
defined_symbols(exported -D ${PROGRAM})
# Mangled names in std (St, Sa, Ss, ...) or __gnu_cxx, with their vtables, local statics and
# guard variables; and type information, which the undefined-behaviour checks emit for every
# type they meet, Qt's and function types included (a class of our own that leaked would
# show through its members).
set(standard "^_Z(Z|GVZ|TV)?N?[KVr]*(St|S[absiod]|9__gnu_cxx)|^_ZT[IS]")
list(FILTER exported EXCLUDE REGEX "${standard}|^_Z(TV)?N?K?6CLabel")
set(foreign ${exported})
list(REMOVE_ITEM foreign ${own})
set(leaked ${exported})
if(foreign)
    list(REMOVE_ITEM leaked ${foreign})
endif()
if(leaked)
    list(JOIN leaked "\n  " leaked)
    message(FATAL_ERROR "${PROGRAM} exports more of its own than the label control:\n  ${leaked}")
endif()
