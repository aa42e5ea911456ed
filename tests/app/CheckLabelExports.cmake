# Fails unless every exported member of CLabel is in PROGRAM's dynamic symbol table.
execute_process(COMMAND nm -D -C ${PROGRAM} OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "nm could not read ${PROGRAM}")
endif()
foreach(member
        "CLabel::CLabel()" "CLabel::~CLabel()" "CLabel::SetTextColor(" "CLabel::SetFontBold("
        "CLabel::SetFontSize(" "CLabel::SetBkColor(" "CLabel::CtlColor(" "CLabel::ReconstructFont()"
        "CLabel::GetMessageMap() const" "CLabel::GetThisMessageMap()")
    string(FIND "${symbols}" " T ${member}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "${member} is not exported by ${PROGRAM}")
    endif()
endforeach()
