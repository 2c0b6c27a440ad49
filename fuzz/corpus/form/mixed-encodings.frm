VERSION 1.0
Begin Form F
   Caption         =   "été Ω 😀"
   Tag             =   "�t�"
End
