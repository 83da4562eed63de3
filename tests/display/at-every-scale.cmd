@echo off
rem Runs the display tests (%1) once at each display scale: 100%, 125%, 150% and 200%. Wine reads the scale
rem from LogPixels when a program starts; the program checks that its wizard is drawn at CW_EXPECTED_DPI.
rem (Wine's cmd ends the script at "|| exit", so each run is followed by an errorlevel test.)
reg add "HKCU\Control Panel\Desktop" /v LogPixels /t REG_DWORD /d 96 /f >nul
set CW_EXPECTED_DPI=96
%1 --gtest_brief=1
if errorlevel 1 exit /b 1
reg add "HKCU\Control Panel\Desktop" /v LogPixels /t REG_DWORD /d 120 /f >nul
set CW_EXPECTED_DPI=120
%1 --gtest_brief=1
if errorlevel 1 exit /b 1
reg add "HKCU\Control Panel\Desktop" /v LogPixels /t REG_DWORD /d 144 /f >nul
set CW_EXPECTED_DPI=144
%1 --gtest_brief=1
if errorlevel 1 exit /b 1
reg add "HKCU\Control Panel\Desktop" /v LogPixels /t REG_DWORD /d 192 /f >nul
set CW_EXPECTED_DPI=192
%1 --gtest_brief=1
if errorlevel 1 exit /b 1
