VERSION 1.0
Begin Form F
  A = &H8000000F&
  B = -1  'True
  C = 1.5E+3
End
