// See StyledButton.
import Pelmo
StyledButton { kind: "prominent" }
