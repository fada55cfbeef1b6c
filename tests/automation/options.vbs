' Opens the options dialog on a configuration as a host does, and returns when it has closed.
'   cscript //nologo options.vbs <configuration>
On Error Resume Next
Set component = CreateObject("KelmarGUIHelper.SetupOrvex")
If Err.Number <> 0 Then WScript.Echo "CreateObject failed: " & Err.Description : WScript.Quit 2
component.SetupOrvexEx Nothing, "C:\web", WScript.Arguments(0), "devbox:8080/"
If Err.Number <> 0 Then WScript.Echo "SetupOrvexEx failed: " & Err.Description : WScript.Quit 3
WScript.Echo "closed"
