object Fuzz1: TForm
  Caption = 'It''s'#13#10'two lines ' +
    'and a smile '#$263A
  ClientWidth = 320
  ClientHeight = $C8
  OnCreate = FormCreate
  object AppStyler1: TAppStyler
    Style = tsOffice2007Obsidian
  end
  object PanelStyler1: TPanelStyler
    Style = psOffice2007Obsidian
  end
  object Panel1: TStyledPanel
    Left = -1000
    Anchors = [akLeft, akTop, akRight]
    Color = clBtnFace
    ColorTo = $00F9D2B2
    Styler = PanelStyler1
    Caption.Text = '<B>bold</B> &amp; <FONT color="clRed">red</FONT>'
    Caption.Font.Height = -13
    object Button1: TGlowButton
      Caption = 'Go'
      Font.Style = [fsBold]
      OnClick = Click
    end
  end
  object Grid1: TStringGrid
    ColCount = 1
    RowCount = 3
  end
end
