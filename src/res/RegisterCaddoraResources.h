#pragma once
// Enters the program's dialog templates and accelerator table with the platform; start-up and the
// UI tests call it before any dialog is built.
void RegisterCaddoraResources();
// The program's texts in English (English.cpp).
void RegisterEnglishTexts();
