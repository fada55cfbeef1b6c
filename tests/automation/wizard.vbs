' Runs the new-configuration wizard as a host does and prints the path it returns.
'   cscript //nologo wizard.vbs
On Error Resume Next
Set component = CreateObject("KelmarGUIHelper.SetupOrvex")
If Err.Number <> 0 Then WScript.Echo "CreateObject failed: " & Err.Description : WScript.Quit 2
built = component.CreateNew()
If Err.Number <> 0 Then WScript.Echo "CreateNew failed: " & Err.Description : WScript.Quit 3
WScript.Echo "[" & built & "]"
