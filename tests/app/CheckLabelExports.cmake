cmake_minimum_required(VERSION 3.25)
# Fails unless every exported member of CLabel is in PROGRAM's dynamic symbol table, and
# unless nothing else of the program's own code is: the rest is compiled with hidden
# visibility. The program's own symbols are those defined in OWN_CODE (its object files and
# libraries, separated by |); the C++ runtime's template code and whatever a sanitizer
# runtime exports do not count.
function(defined_symbols out)
    execute_process(COMMAND nm -C --defined-only ${ARGN}
        OUTPUT_VARIABLE symbols RESULT_VARIABLE result ERROR_QUIET)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "nm could not read ${ARGN}")
    endif()
    string(REGEX MATCHALL "[0-9a-f]+ [A-Za-z] [^\n]+" lines "${symbols}")
    list(TRANSFORM lines REPLACE "^[0-9a-f]+ [A-Za-z] " "")
    set(${out} ${lines} PARENT_SCOPE)
endfunction()

defined_symbols(exported -D ${PROGRAM})
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
list(FILTER own EXCLUDE REGEX "^(std|__gnu_cxx)::|CLabel")
set(leaked)
foreach(symbol IN LISTS exported)
    if(NOT symbol MATCHES "CLabel" AND symbol IN_LIST own)
        list(APPEND leaked "${symbol}")
    endif()
endforeach()
if(leaked)
    list(JOIN leaked "\n  " leaked)
    message(FATAL_ERROR "${PROGRAM} exports more of its own than the label control:\n  ${leaked}")
endif()
