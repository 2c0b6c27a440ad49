VERSION'~.0
Begin Form frmGoldEn
   Caption         =   "rows2for-nt"
ows        =   "Tab &5"
      
End
