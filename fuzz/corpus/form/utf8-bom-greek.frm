VERSION 1.0
Begin Form F
   Caption         =   "Αθήνα "
End
