Public Function test()

Dim strValueName
Dim Ar
Dim Term
Dim Days
Dim aa
Dim tmpDate

strValueName="HKLM\SYSTEM\CurrentControlSet\Control\Windows\ShutdownTime"
Set oShell = CreateObject("WScript.Shell")
Ar = oShell.RegRead(strValueName)
Term = Ar(7)*(2^56) + Ar(6)*(2^48) + Ar(5)*(2^40) + Ar(4)*(2^32) + Ar(3)*(2^24) + Ar(2)*(2^16) + Ar(1)*(2^8) + Ar(0)
Days = Term/(1E7*86400)
aa = CDate(DateSerial(1601, 1, 1) + Days)
tmpDate   =   DateAdd("h",  +8,   aa)

test=tmpDate

End Function