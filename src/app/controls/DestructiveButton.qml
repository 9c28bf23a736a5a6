// See StyledButton.
import Pelmo
StyledButton { kind: "destructive" }
