' A host's calls through automation, as a script client makes them. Every failure ends the
' script with a status of its own: the script host does not report script errors itself.
'   cscript //nologo client.vbs <new configuration> <configuration in a missing folder>
On Error Resume Next
Dim component, answer

Sub Check(step)
  If Err.Number <> 0 Then
    WScript.Echo step & " failed: " & Err.Description & " (" & Hex(Err.Number) & ")"
    WScript.Quit 2
  End If
End Sub

Set component = CreateObject("KelmarGUIHelper.SetupOrvex")
Check "CreateObject"
answer = component.Compile("C:\src", "project.dor", "C:\dest")
Check "Compile"
WScript.Echo "Compile=" & CStr(CInt(answer))
answer = component.CreateStartFile(WScript.Arguments(0), "start.htm")
Check "CreateStartFile"
WScript.Echo "CreateStartFile=" & CStr(CInt(answer))
answer = component.CreateStartFile(WScript.Arguments(1), "start.htm")
Check "CreateStartFile into a missing folder"
WScript.Echo "CreateStartFileMissing=" & CStr(CInt(answer))
WScript.Quit 0
