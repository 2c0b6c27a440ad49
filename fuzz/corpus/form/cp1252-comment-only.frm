VERSION 1.0
Begin Form F
   ' résumé
   Caption         =   "Ã©"
End
