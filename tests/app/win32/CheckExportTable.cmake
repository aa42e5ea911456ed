cmake_minimum_required(VERSION 3.25)
# Fails unless PROGRAM, a Windows executable, names every exported member of CLabel in its
# export table (objdump -p), as a program that loads it by name finds them, and is a program
# of the graphical subsystem, which opens no console window.
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM}
    OUTPUT_VARIABLE headers RESULT_VARIABLE result ERROR_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()
if(NOT headers MATCHES "Subsystem[\t ]+00000002")
    message(FATAL_ERROR "${PROGRAM} is no program of the graphical subsystem")
endif()
# The mangled names of the constructor, destructor, the four setters, CtlColor,
# ReconstructFont and the two message-map accessors.
foreach(member
        _ZN6CLabelC1Ev _ZN6CLabelD1Ev _ZN6CLabel12SetTextColorEm _ZN6CLabel11SetFontBoldEi
        _ZN6CLabel11SetFontSizeEi _ZN6CLabel10SetBkColorEm _ZN6CLabel8CtlColorEP3CDCj
        _ZN6CLabel15ReconstructFontEv _ZNK6CLabel13GetMessageMapEv
        _ZN6CLabel17GetThisMessageMapEv)
    if(NOT headers MATCHES "\\] ${member}\n")
        message(FATAL_ERROR "${member} is not exported by ${PROGRAM}")
    endif()
endforeach()
# Nothing of the class library or of the dialogs besides: the table of exported names runs
# from its heading to the next empty line.
string(FIND "${headers}" "[Ordinal/Name Pointer] Table" names)
string(SUBSTRING "${headers}" ${names} -1 names)
string(FIND "${names}" "\n\n" end)
string(SUBSTRING "${names}" 0 ${end} names)
string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" exported "${names}")
list(FILTER exported EXCLUDE REGEX "CLabel")
if(exported)
    message(FATAL_ERROR "${PROGRAM} exports more than the label: ${exported}")
endif()
