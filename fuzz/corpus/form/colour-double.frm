VERSION 1N.0
Begin Form F
  A =-02  '
  C = 0.'m F
  A =-.02  '
  C = 0. '
  ggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggggCOLORgggggggggggggggggC = 0.'0.5E++
End
