<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>ApiExamples</name>
    <message>
        <source>Use a random proxy from any country</source>
        <translation>Dùng proxy ngẫu nhiên từ bất kỳ quốc gia nào</translation>
    </message>
    <message>
        <source>Use a random proxy from the United States</source>
        <translation>Dùng proxy ngẫu nhiên từ Hoa Kỳ</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork</source>
        <translation>Dùng proxy ngẫu nhiên từ US, bang: NewYork</translation>
    </message>
    <message>
        <source>Use a random proxy from US, state: NewYork, city: New York</source>
        <translation>Dùng proxy ngẫu nhiên từ US, bang: NewYork, thành phố: New York</translation>
    </message>
    <message>
        <source>Use a random proxy zip code is 000</source>
        <translation>Dùng proxy ngẫu nhiên có mã ZIP là 000</translation>
    </message>
    <message>
        <source>Use the proxy of the specified isp operator, such as 000</source>
        <translation>Dùng proxy của nhà mạng (ISP) chỉ định, ví dụ 000</translation>
    </message>
    <message>
        <source>Use random proxy from port 40010</source>
        <translation>Dùng proxy ngẫu nhiên từ cổng 40010</translation>
    </message>
    <message>
        <source>If you want to use a proxy with a specified IP segment, you can set it like this：</source>
        <translation>Nếu muốn dùng proxy thuộc dải IP chỉ định, bạn có thể thiết lập như sau:</translation>
    </message>
    <message>
        <source>Port 40000 uses a US proxy, port 40001 uses a Japanese proxy, and port 40002 uses a UK proxy</source>
        <translation>Cổng 40000 dùng proxy Mỹ, cổng 40001 dùng proxy Nhật Bản, cổng 40002 dùng proxy Anh</translation>
    </message>
    <message>
        <source>If you want different ports to use proxies from different countries, you can set it like this:</source>
        <translation>Nếu muốn các cổng khác nhau dùng proxy từ các quốc gia khác nhau, bạn có thể thiết lập như sau:</translation>
    </message>
    <message>
        <source>Free the specified port, for example free 40000, 40001, 40002 ports</source>
        <translation>Giải phóng cổng chỉ định, ví dụ giải phóng các cổng 40000, 40001, 40002</translation>
    </message>
    <message>
        <source>If you want to free the port, you can use the free_port parameter: (Version 1.2.7 and above)</source>
        <translation>Nếu muốn giải phóng cổng, bạn có thể dùng tham số free_port: (phiên bản 1.2.7 trở lên)</translation>
    </message>
    <message>
        <source>Free all ports</source>
        <translation>Giải phóng tất cả cổng</translation>
    </message>
    <message>
        <source>The starting port is 30,000, and the number of ports is 10. (The quantity limit is 99)</source>
        <translation>Cổng bắt đầu là 30000, số lượng cổng là 10. (Tối đa 99)</translation>
    </message>
    <message>
        <source>If you want to modify the number and range of the end mouth, you can operate this way. (Version 1.2.9 and above)</source>
        <translation>Nếu muốn thay đổi số lượng và dải cổng, bạn có thể thao tác như sau. (Phiên bản 1.2.9 trở lên)</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_NUM</source>
        <translation>PARAMETER_ERROR_NUM</translation>
    </message>
    <message>
        <source>num parameter input error, please check</source>
        <translation>Tham số num nhập sai, vui lòng kiểm tra</translation>
    </message>
    <message>
        <source>PARAMETER_ERROR_IP_TIME</source>
        <translation>PARAMETER_ERROR_IP_TIME</translation>
    </message>
    <message>
        <source>The ip_time parameter is entered incorrectly, please enter 1 or 2 or 3</source>
        <translation>Tham số ip_time nhập sai, vui lòng nhập 1, 2 hoặc 3</translation>
    </message>
    <message>
        <source>Error in initialization parameters:MacAdd</source>
        <translation>Lỗi tham số khởi tạo: MacAdd</translation>
    </message>
    <message>
        <source>There is a problem with the client, please restart or reinstall</source>
        <translation>Ứng dụng gặp sự cố, vui lòng khởi động lại hoặc cài đặt lại</translation>
    </message>
    <message>
        <source>Please set the allocation port first</source>
        <translation>Vui lòng thiết lập cổng phân bổ trước</translation>
    </message>
    <message>
        <source>No port set</source>
        <translation>Chưa thiết lập cổng</translation>
    </message>
    <message>
        <source>Up to 10 IP of this type can be extracted at a time</source>
        <translation>Mỗi lần chỉ có thể trích xuất tối đa 10 IP loại này</translation>
    </message>
    <message>
        <source>The number of fetches exceeds the upper limit, and the static plan can fetch up to 10 at a time</source>
        <translation>Số lượng trích xuất vượt quá giới hạn, gói tĩnh chỉ lấy được tối đa 10 mỗi lần</translation>
    </message>
    <message>
        <source>The set port segment does not meet the extraction quantity</source>
        <translation>Dải cổng đã thiết lập không đủ cho số lượng trích xuất</translation>
    </message>
    <message>
        <source>The number of extractions is too large, exceeding the set port range</source>
        <translation>Số lượng trích xuất quá lớn, vượt quá dải cổng đã thiết lập</translation>
    </message>
    <message>
        <source>Port not enabled</source>
        <translation>Cổng chưa được bật</translation>
    </message>
    <message>
        <source>The currently set port is not enabled</source>
        <translation>Cổng đang thiết lập chưa được bật</translation>
    </message>
    <message>
        <source>Insufficient ip balance, please buy first</source>
        <translation>Số dư IP không đủ, vui lòng mua trước</translation>
    </message>
    <message>
        <source>Account balance is exhausted, please recharge</source>
        <translation>Số dư tài khoản đã hết, vui lòng nạp tiền</translation>
    </message>
    <message>
        <source>Failed to get IP, please try again later</source>
        <translation>Lấy IP thất bại, vui lòng thử lại sau</translation>
    </message>
    <message>
        <source>The interface request failed, please check the network environment and try again</source>
        <translation>Yêu cầu API thất bại, vui lòng kiểm tra kết nối mạng và thử lại</translation>
    </message>
    <message>
        <source>If the proxy cannot be obtained through the API, the following errors may occur and the reasons:</source>
        <translation>Nếu không thể lấy proxy qua API, có thể gặp các lỗi sau và nguyên nhân:</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>mã quốc gia</translation>
    </message>
</context>
<context>
    <name>ApiHistoryListView</name>
    <message>
        <source>BindIP</source>
        <translation>IP đã liên kết</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bang</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Thành phố</translation>
    </message>
    <message>
        <source>BuyTime</source>
        <translation>Thời gian mua</translation>
    </message>
</context>
<context>
    <name>ApiHistoryPopup</name>
    <message>
        <source>Clear</source>
        <translation>Xóa</translation>
    </message>
</context>
<context>
    <name>ApiParameterModel</name>
    <message>
        <source>Yes</source>
        <translation>Có</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Không</translation>
    </message>
    <message>
        <source>ILLUSTRATE</source>
        <translation>MÔ TẢ</translation>
    </message>
    <message>
        <source>Get the number of proxies, ≤200</source>
        <translation>Số lượng proxy cần lấy, ≤200</translation>
    </message>
    <message>
        <source>Country, default is all, </source>
        <translation>Quốc gia, mặc định là tất cả, </translation>
    </message>
    <message>
        <source>State, default is all</source>
        <translation>Bang, mặc định là tất cả</translation>
    </message>
    <message>
        <source>City, default is all</source>
        <translation>Thành phố, mặc định là tất cả</translation>
    </message>
    <message>
        <source>Zip, default is all</source>
        <translation>Mã ZIP, mặc định là tất cả</translation>
    </message>
    <message>
        <source>Isp, default is all</source>
        <translation>ISP, mặc định là tất cả</translation>
    </message>
    <message>
        <source>Package Type, default  is Popular Plan
1=Popular Plan, 3= Long Acting ISP Plan</source>
        <translation>Loại gói, mặc định là Gói phổ biến
1=Gói phổ biến, 3=Gói ISP dài hạn</translation>
    </message>
    <message>
        <source>Data Format
1=txt, 2=json</source>
        <translation>Định dạng dữ liệu
1=txt, 2=json</translation>
    </message>
    <message>
        <source>Start port, default port is 30000</source>
        <translation>Cổng bắt đầu, mặc định là 30000</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>TÊN</translation>
    </message>
    <message>
        <source>REQUIRED</source>
        <translation>BẮT BUỘC</translation>
    </message>
    <message>
        <source>country code</source>
        <translation>mã quốc gia</translation>
    </message>
</context>
<context>
    <name>BatchDisconnectPopup</name>
    <message>
        <source>Connect</source>
        <translation>Kết nối</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Ngắt kết nối</translation>
    </message>
    <message>
        <source>After connection, the mobile device immediately start the proxy</source>
        <translation>Sau khi kết nối, thiết bị di động sẽ khởi động proxy ngay</translation>
    </message>
    <message>
        <source>After disconnection, the mobile device immediately stops the proxy</source>
        <translation>Sau khi ngắt kết nối, thiết bị di động sẽ dừng proxy ngay</translation>
    </message>
    <message>
        <source>Device selected:</source>
        <translation>Thiết bị đã chọn:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Xác nhận</translation>
    </message>
</context>
<context>
    <name>CdkPopup</name>
    <message>
        <source>Please input your CDKEY</source>
        <translation>Vui lòng nhập CDKEY của bạn</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Thành công</translation>
    </message>
    <message>
        <source>Redeem CDKEY</source>
        <translation>Đổi CDKEY</translation>
    </message>
    <message>
        <source>Please enter CDKEY</source>
        <translation>Nhập CDKEY</translation>
    </message>
    <message>
        <source>How to generate?</source>
        <translation>Cách tạo?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Xác nhận</translation>
    </message>
</context>
<context>
    <name>ComboBoxApiMeal</name>
    <message>
        <source>Random</source>
        <translation>Ngẫu nhiên</translation>
    </message>
</context>
<context>
    <name>ComboBoxCountry</name>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceCountry</name>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
</context>
<context>
    <name>ComboBoxDeviceStatus</name>
    <message>
        <source>Offline</source>
        <translation>Ngoại tuyến</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Trực tuyến</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Mất kết nối</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Trạng thái</translation>
    </message>
</context>
<context>
    <name>ComboBoxEquipmentCountry</name>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
</context>
<context>
    <name>ComboCategory</name>
    <message>
        <source>Please select</source>
        <translation>Vui lòng chọn</translation>
    </message>
</context>
<context>
    <name>ComboLocation</name>
    <message>
        <source>e.g., US</source>
        <translation>vd: US</translation>
    </message>
</context>
<context>
    <name>DisconnectCheck</name>
    <message>
        <source>Click to disconnect</source>
        <translation>Nhấn để ngắt kết nối</translation>
    </message>
    <message>
        <source>Click to connect</source>
        <translation>Nhấn để kết nối</translation>
    </message>
</context>
<context>
    <name>EditLogin</name>
    <message>
        <source>Password</source>
        <translation>Mật khẩu</translation>
    </message>
</context>
<context>
    <name>EquipmentLineModel</name>
    <message>
        <source>Renew</source>
        <translation>Gia hạn</translation>
    </message>
</context>
<context>
    <name>EquipmentModel</name>
    <message>
        <source>Online</source>
        <translation>Trực tuyến</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Ngoại tuyến</translation>
    </message>
    <message>
        <source>Dropped</source>
        <translation>Mất kết nối</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Thiết lập</translation>
    </message>
</context>
<context>
    <name>FieldCheck</name>
    <message>
        <source>Enter a whole number from 1 to 200</source>
        <translation>Nhập số nguyên từ 1 đến 200</translation>
    </message>
    <message>
        <source>Enter one to four numbers from 0 to 255, separated by dots</source>
        <translation>Nhập từ một đến bốn số từ 0 đến 255, phân tách bằng dấu chấm</translation>
    </message>
    <message>
        <source>Enter a port from 1 to 65535</source>
        <translation>Nhập cổng từ 1 đến 65535</translation>
    </message>
    <message>
        <source>This port belongs to the proxy ports</source>
        <translation>Cổng này thuộc dải cổng proxy</translation>
    </message>
    <message>
        <source>Enter whole minutes from 5 to 720</source>
        <translation>Nhập số phút nguyên từ 5 đến 720</translation>
    </message>
    <message>
        <source>The file does not exist</source>
        <translation>Tệp không tồn tại</translation>
    </message>
    <message>
        <source>Choose a file, not a folder</source>
        <translation>Hãy chọn tệp, không phải thư mục</translation>
    </message>
    <message>
        <source>The file is not a program that can run</source>
        <translation>Tệp này không phải là chương trình có thể chạy</translation>
    </message>
</context>
<context>
    <name>FileDialogDefault</name>
    <message>
        <source>Select Program</source>
        <translation>Chọn chương trình</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tất cả tệp (*)</translation>
    </message>
</context>
<context>
    <name>HeldLinePage</name>
    <message>
        <source>Successfully</source>
        <translation>Thành công</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Không tìm thấy proxy phù hợp.</translation>
    </message>
    <message>
        <source>go to use</source>
        <translation>sử dụng ngay</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Danh sách chuyển tiếp cổng</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Làm mới</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP proxy</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>Loại thời hạn</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bang</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Thành phố</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Mã ZIP</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Ghi chú</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Trực tuyến</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Cổng</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>Thời gian mua</translation>
    </message>
</context>
<context>
    <name>HeldLineRow</name>
    <message>
        <source>Unknown</source>
        <translation>Không xác định</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Không</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Có</translation>
    </message>
</context>
<context>
    <name>InterfacePost</name>
    <message>
        <source>The line is no longer listed.</source>
        <translation>Tuyến này không còn được cung cấp.</translation>
    </message>
    <message>
        <source>The local engine could not be reached.</source>
        <translation>Không thể kết nối với công cụ cục bộ.</translation>
    </message>
    <message>
        <source>Your data plan is insufficient,please renew.</source>
        <translation>Gói dữ liệu của bạn không đủ, vui lòng gia hạn.</translation>
    </message>
    <message>
        <source>Your IP number is insufficient,please renew.</source>
        <translation>Số lượng IP của bạn không đủ, vui lòng gia hạn.</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>Danh sách chương trình trống, vui lòng thêm chương trình trước!</translation>
    </message>
</context>
<context>
    <name>InterfaceRecv</name>
    <message>
        <source>The line list could not be loaded.</source>
        <translation>Không thể tải danh sách tuyến.</translation>
    </message>
    <message>
        <source>Please start BitBrowser first</source>
        <translation>Vui lòng khởi động BitBrowser trước</translation>
    </message>
    <message>
        <source>The service could not be reached. Please try again.</source>
        <translation>Không thể kết nối với dịch vụ. Vui lòng thử lại.</translation>
    </message>
    <message>
        <source>upload failed</source>
        <translation>tải lên thất bại</translation>
    </message>
    <message>
        <source>Submit failed</source>
        <translation>Gửi thất bại</translation>
    </message>
    <message>
        <source>Redeem failed</source>
        <translation>Đổi mã thất bại</translation>
    </message>
    <message>
        <source>Sign-in failed. Please check your account and try again.</source>
        <translation>Đăng nhập thất bại. Vui lòng kiểm tra tài khoản và thử lại.</translation>
    </message>
</context>
<context>
    <name>LocationFilterBar</name>
    <message>
        <source>Country:</source>
        <translation>Quốc gia:</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>US</source>
        <translation>US</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Bang:</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bang</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>New York</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>Thành phố:</translation>
    </message>
    <message>
        <source>City</source>
        <translation>TP</translation>
    </message>
    <message>
        <source>ISP:</source>
        <translation>ISP:</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>t-mobile</source>
        <translation>t-mobile</translation>
    </message>
    <message>
        <source>Zip:</source>
        <translation>Mã ZIP:</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Mã ZIP</translation>
    </message>
    <message>
        <source>91***</source>
        <translation>91***</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Xóa tất cả</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>Trình duyệt chống phát hiện</translation>
    </message>
</context>
<context>
    <name>Login</name>
    <message>
        <source>Please enter email or username</source>
        <translation>Vui lòng nhập email hoặc tên người dùng</translation>
    </message>
    <message>
        <source>Please enter password</source>
        <translation>Vui lòng nhập mật khẩu</translation>
    </message>
    <message>
        <source>Log In</source>
        <translation>Đăng nhập</translation>
    </message>
    <message>
        <source>Please enter account or email</source>
        <translation>Vui lòng nhập tài khoản hoặc email</translation>
    </message>
    <message>
        <source>Auto Log In</source>
        <translation>Tự động đăng nhập</translation>
    </message>
    <message>
        <source>Forgot Password?</source>
        <translation>Quên mật khẩu?</translation>
    </message>
    <message>
        <source>Or login with</source>
        <translation>Hoặc đăng nhập bằng</translation>
    </message>
    <message>
        <source>Not registered yet ?  </source>
        <translation>Chưa có tài khoản?  </translation>
    </message>
    <message>
        <source>Creat an Account</source>
        <translation>Tạo tài khoản</translation>
    </message>
</context>
<context>
    <name>PlanNames</name>
    <message>
        <source>Popular Plan</source>
        <translation>Gói phổ biến</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Gói ISP dài hạn</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Proxy ISP tĩnh</translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation>Gói lưu lượng</translation>
    </message>
</context>
<context>
    <name>PopupBindPort</name>
    <message>
        <source> (Used)</source>
        <translation> (đang dùng)</translation>
    </message>
    <message>
        <source> (Free)</source>
        <translation> (trống)</translation>
    </message>
</context>
<context>
    <name>PopupBrowser</name>
    <message>
        <source>Unnamed</source>
        <translation>Chưa đặt tên</translation>
    </message>
    <message>
        <source>Successfully!</source>
        <translation>Thành công!</translation>
    </message>
    <message>
        <source>Anti-detection browser</source>
        <translation>Trình duyệt chống phát hiện</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Trạng thái</translation>
    </message>
    <message>
        <source>Anti-detection browser:</source>
        <translation>Trình duyệt chống phát hiện:</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Hướng dẫn</translation>
    </message>
    <message>
        <source>Browser profiles:</source>
        <translation>Hồ sơ trình duyệt:</translation>
    </message>
    <message>
        <source>Please get the latest list</source>
        <translation>Vui lòng lấy danh sách mới nhất</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Làm mới</translation>
    </message>
    <message>
        <source>*The browser list has changed, or this function is used for the first time, please synchronize the latest list</source>
        <translation>*Danh sách trình duyệt đã thay đổi hoặc đây là lần đầu dùng chức năng này, vui lòng đồng bộ danh sách mới nhất</translation>
    </message>
    <message>
        <source>Automatically restart the browser when the proxy changes</source>
        <translation>Tự động khởi động lại trình duyệt khi proxy thay đổi</translation>
    </message>
    <message>
        <source>Clear Cookies Before Launch</source>
        <translation>Xóa cookie trước khi khởi chạy</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Save &amp; Close</source>
        <translation>Lưu &amp; đóng</translation>
    </message>
</context>
<context>
    <name>PopupEquipmentLine</name>
    <message>
        <source>Successfully</source>
        <translation>Thành công</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Không tìm thấy proxy phù hợp.</translation>
    </message>
    <message>
        <source>Select Proxy</source>
        <translation>Chọn proxy</translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Gói phổ biến</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Gói ISP dài hạn</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Proxy ISP tĩnh</translation>
    </message>
    <message>
        <source>Proxy History</source>
        <translation>Lịch sử proxy</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bang</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Thành phố</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Mã ZIP</translation>
    </message>
    <message>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Different proxies for different device</source>
        <translation>Proxy khác nhau cho từng thiết bị</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Xóa tất cả</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>New York</source>
        <translation>New York</translation>
    </message>
</context>
<context>
    <name>PopupFeedback</name>
    <message>
        <source>Please selete category</source>
        <translation>Vui lòng chọn danh mục</translation>
    </message>
    <message>
        <source>Please input your email</source>
        <translation>Vui lòng nhập email của bạn</translation>
    </message>
    <message>
        <source>Please input your problem</source>
        <translation>Vui lòng nhập vấn đề của bạn</translation>
    </message>
    <message>
        <source>Thanks! We have received your feedback.</source>
        <translation>Cảm ơn! Chúng tôi đã nhận được phản hồi của bạn.</translation>
    </message>
    <message>
        <source>Select Picture</source>
        <translation>Chọn ảnh</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Phản hồi</translation>
    </message>
    <message>
        <source>Fill in the fields bellow and one of our support agents will personally get back to you very soon.</source>
        <translation>Điền vào các trường bên dưới, nhân viên hỗ trợ của chúng tôi sẽ sớm liên hệ lại với bạn.</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Danh mục</translation>
    </message>
    <message>
        <source>Your email</source>
        <translation>Email của bạn</translation>
    </message>
    <message>
        <source>Enter your email</source>
        <translation>Nhập email của bạn</translation>
    </message>
    <message>
        <source>What&apos;s the problem?</source>
        <translation>Bạn gặp vấn đề gì?</translation>
    </message>
    <message>
        <source>Describe your problem</source>
        <translation>Mô tả vấn đề của bạn</translation>
    </message>
    <message>
        <source>Add picture(Upload up to 3)</source>
        <translation>Thêm ảnh (tối đa 3)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Gửi</translation>
    </message>
</context>
<context>
    <name>PopupForwared</name>
    <message>
        <source>Globle connect</source>
        <translation>Kết nối toàn cục</translation>
    </message>
    <message>
        <source>Program connect</source>
        <translation>Kết nối theo chương trình</translation>
    </message>
    <message>
        <source>Forward Port To Proxy</source>
        <translation>Chuyển tiếp cổng đến proxy</translation>
    </message>
    <message>
        <source>Forward </source>
        <translation>Chuyển tiếp </translation>
    </message>
    <message>
        <source>Remove from FavoriteList</source>
        <translation>Xóa khỏi danh sách yêu thích</translation>
    </message>
    <message>
        <source>Add to FavoriteList</source>
        <translation>Thêm vào danh sách yêu thích</translation>
    </message>
</context>
<context>
    <name>PopupModel</name>
    <message>
        <source>Tips</source>
        <translation>Gợi ý</translation>
    </message>
    <message>
        <source>Confirm this operation?</source>
        <translation>Xác nhận thao tác này?</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Cổng:</translation>
    </message>
    <message>
        <source>Deduct IP:</source>
        <translation>Trừ IP:</translation>
    </message>
    <message>
        <source>This port range no longer exists; please choose one again.</source>
        <translation>Dải cổng này không còn tồn tại, vui lòng chọn lại.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Xác nhận</translation>
    </message>
    <message>
        <source>Now IP:</source>
        <translation>IP hiện tại:</translation>
    </message>
    <message>
        <source>Extracting</source>
        <translation>Đang trích xuất</translation>
    </message>
    <message>
        <source>Processing:</source>
        <translation>Đang xử lý:</translation>
    </message>
    <message>
        <source>Extract IP Is Completed</source>
        <translation>Đã trích xuất IP xong</translation>
    </message>
    <message>
        <source>Success:</source>
        <translation>Thành công:</translation>
    </message>
    <message>
        <source>Failed:</source>
        <translation>Thất bại:</translation>
    </message>
</context>
<context>
    <name>PopupNotice</name>
    <message>
        <source>Notice</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>No notification yet</source>
        <translation>Chưa có thông báo</translation>
    </message>
    <message>
        <source>Choose a notice on the left to read it</source>
        <translation>Chọn một thông báo bên trái để đọc</translation>
    </message>
</context>
<context>
    <name>PortForwardList</name>
    <message>
        <source>Local IP</source>
        <translation>IP cục bộ</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Cổng</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Trạng thái</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>IP đã liên kết</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Thành phố</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Trực tuyến</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Thao tác</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Sao chép</translation>
    </message>
    <message>
        <source>Copy Success</source>
        <translation>Đã sao chép</translation>
    </message>
    <message>
        <source>Forward List</source>
        <translation>Danh sách chuyển tiếp</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Đang dùng</translation>
    </message>
    <message>
        <source>Free</source>
        <translation>Trống</translation>
    </message>
    <message>
        <source>The current list is empty</source>
        <translation>Danh sách hiện tại trống</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Kiểm tra</translation>
    </message>
    <message>
        <source>Free All</source>
        <translation>Giải phóng tất cả</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Sao chép tất cả</translation>
    </message>
    <message>
        <source>Free</source>
        <comment>action</comment>
        <translation>Giải phóng</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryListView</name>
    <message>
        <source>LocalIp</source>
        <translation>IP cục bộ</translation>
    </message>
    <message>
        <source>BindIP</source>
        <translation>IP đã liên kết</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bang</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Thành phố</translation>
    </message>
</context>
<context>
    <name>ProgramHistoryPopup</name>
    <message>
        <source>No proxy used for programs yet</source>
        <translation>Chưa dùng proxy nào cho chương trình</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Xóa</translation>
    </message>
</context>
<context>
    <name>ProgramMenuPopup</name>
    <message>
        <source>Run</source>
        <translation>Chạy</translation>
    </message>
    <message>
        <source>Romove</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Go ProxyList</source>
        <translation>Đến danh sách proxy</translation>
    </message>
</context>
<context>
    <name>ProgramRect</name>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bang</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Thành phố</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Mã ZIP</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Thành công</translation>
    </message>
    <message>
        <source>Add application</source>
        <translation>Thêm ứng dụng</translation>
    </message>
    <message>
        <source>How to use?</source>
        <translation>Cách sử dụng?</translation>
    </message>
    <message>
        <source>&quot;Run&quot; starts a program with its proxy variables set to the connected exit; programs that ignore them go out directly.</source>
        <translation>&quot;Chạy&quot; khởi động chương trình với biến proxy trỏ tới lối ra đã kết nối; chương trình bỏ qua các biến này sẽ đi trực tiếp.</translation>
    </message>
    <message>
        <source>click &quot;Browse&quot; to select the application</source>
        <translation>nhấn &quot;Duyệt&quot; để chọn ứng dụng</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Duyệt</translation>
    </message>
    <message>
        <source>Automatically switch IP:</source>
        <translation>Tự động đổi IP:</translation>
    </message>
    <message>
        <source>/min</source>
        <translation>/phút</translation>
    </message>
    <message>
        <source>Close the program before switching IP</source>
        <translation>Đóng chương trình trước khi đổi IP</translation>
    </message>
    <message>
        <source>Turn off automatic proxy</source>
        <translation>Tắt proxy tự động</translation>
    </message>
    <message>
        <source>Turn on automatic proxy</source>
        <translation>Bật proxy tự động</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Custom Proxy History</source>
        <translation>Lịch sử proxy tùy chỉnh</translation>
    </message>
</context>
<context>
    <name>ProxyLineModel</name>
    <message>
        <source>Renew</source>
        <translation>Gia hạn</translation>
    </message>
</context>
<context>
    <name>ProxyListPage</name>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Không tìm thấy proxy phù hợp.</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP proxy</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>Thời gian hết hạn</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bang</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Thành phố</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Mã ZIP</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Thành công</translation>
    </message>
    <message>
        <source>loading...</source>
        <translation>đang tải...</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Danh sách chuyển tiếp cổng</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Làm mới</translation>
    </message>
</context>
<context>
    <name>ProxyManager</name>
    <message>
        <source>No free local port</source>
        <translation>Không có cổng cục bộ trống</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Ngẫu nhiên</translation>
    </message>
    <message>
        <source>Connect the program to a proxy first</source>
        <translation>Hãy kết nối chương trình với proxy trước</translation>
    </message>
    <message>
        <source>This file cannot be run</source>
        <translation>Không thể chạy tệp này</translation>
    </message>
    <message>
        <source>The program list is empty,please add the program first!</source>
        <translation>Danh sách chương trình trống, vui lòng thêm chương trình trước!</translation>
    </message>
</context>
<context>
    <name>RadioMealBase</name>
    <message>
        <source>IPs</source>
        <translation>IP</translation>
    </message>
    <message>
        <source>Recharge</source>
        <translation>Nạp tiền</translation>
    </message>
</context>
<context>
    <name>RectAPISecond</name>
    <message>
        <source>Successfully</source>
        <translation>Thành công</translation>
    </message>
    <message>
        <source>API Proxy History</source>
        <translation>Lịch sử proxy API</translation>
    </message>
    <message>
        <source>Package Type:  </source>
        <translation>Loại gói:  </translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Gói phổ biến</translation>
    </message>
    <message>
        <source>IP Extraction:  </source>
        <translation>Trích xuất IP:  </translation>
    </message>
    <message>
        <source>Location:   </source>
        <translation>Vị trí:   </translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bang</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Thành phố</translation>
    </message>
    <message>
        <source>Other:  </source>
        <translation>Khác:  </translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Mã ZIP</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Xóa tất cả</translation>
    </message>
    <message>
        <source>API Port:   </source>
        <translation>Cổng API:   </translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Khởi động lại</translation>
    </message>
    <message>
        <source>After modication,please click the [Restart] button</source>
        <translation>Sau khi sửa đổi, vui lòng nhấn nút [Khởi động lại]</translation>
    </message>
    <message>
        <source>API Link:   </source>
        <translation>Liên kết API:   </translation>
    </message>
    <message>
        <source>Click the Start Proxy button to view the link.</source>
        <translation>Nhấn nút Khởi động proxy để xem liên kết.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Sao chép</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Mở liên kết</translation>
    </message>
    <message>
        <source>Tips: In API mode, the number of IPs is deducted when the proxy list is successfully obtained.</source>
        <translation>Gợi ý: Ở chế độ API, số lượng IP sẽ bị trừ khi lấy danh sách proxy thành công.</translation>
    </message>
    <message>
        <source>API Parameter Declaration:</source>
        <translation>Mô tả tham số API:</translation>
    </message>
    <message>
        <source>You can use the parameter like this</source>
        <translation>Bạn có thể dùng tham số như sau</translation>
    </message>
    <message>
        <source>API Guide</source>
        <translation>Hướng dẫn API</translation>
    </message>
    <message>
        <source>PortForwardList</source>
        <translation>Danh sách chuyển tiếp cổng</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Làm mới</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Thất bại</translation>
    </message>
</context>
<context>
    <name>RectEquimentLine</name>
    <message>
        <source>Random</source>
        <translation>Ngẫu nhiên</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP proxy</translation>
    </message>
    <message>
        <source>Expiration time</source>
        <translation>Thời gian hết hạn</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bang</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Thành phố</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Mã ZIP</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Không tìm thấy proxy phù hợp.</translation>
    </message>
</context>
<context>
    <name>RectEquimentLineHistory</name>
    <message>
        <source>Random</source>
        <translation>Ngẫu nhiên</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Không</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Có</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Thành công</translation>
    </message>
    <message>
        <source>ProxyIP</source>
        <translation>IP proxy</translation>
    </message>
    <message>
        <source>TimeType</source>
        <translation>Loại thời hạn</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bang</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Thành phố</translation>
    </message>
    <message>
        <source>ZIP</source>
        <translation>Mã ZIP</translation>
    </message>
    <message>
        <source>ISP</source>
        <translation>ISP</translation>
    </message>
    <message>
        <source>Buy Time</source>
        <translation>Thời gian mua</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Trực tuyến</translation>
    </message>
    <message>
        <source>No proxy were found matching the results.</source>
        <translation>Không tìm thấy proxy phù hợp.</translation>
    </message>
    <message>
        <source>Proxy history is empty,</source>
        <translation>Lịch sử proxy trống,</translation>
    </message>
</context>
<context>
    <name>RectEquipment</name>
    <message>
        <source>Please select the device that needs to be sited</source>
        <translation>Vui lòng chọn thiết bị cần thiết lập</translation>
    </message>
    <message>
        <source>Please select the device that needs to be noted</source>
        <translation>Vui lòng chọn thiết bị cần ghi chú</translation>
    </message>
    <message>
        <source>Device is binding...</source>
        <translation>Đang liên kết thiết bị...</translation>
    </message>
    <message>
        <source>Device is disconnecting...</source>
        <translation>Đang ngắt kết nối thiết bị...</translation>
    </message>
    <message>
        <source>Device is connecting...</source>
        <translation>Đang kết nối thiết bị...</translation>
    </message>
    <message>
        <source>Device is remarking...</source>
        <translation>Đang lưu ghi chú thiết bị...</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Thành công</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Danh sách thiết bị</translation>
    </message>
    <message>
        <source>How to use group control?</source>
        <translation>Cách sử dụng điều khiển nhóm?</translation>
    </message>
    <message>
        <source>Device Status</source>
        <translation>Trạng thái thiết bị</translation>
    </message>
    <message>
        <source>Online</source>
        <translation>Trực tuyến</translation>
    </message>
    <message>
        <source>Connection Status</source>
        <translation>Trạng thái kết nối</translation>
    </message>
    <message>
        <source>Enter device name to search</source>
        <translation>Tìm thiết bị</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Tên thiết bị</translation>
    </message>
    <message>
        <source>Proxy Ip</source>
        <translation>IP proxy</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Quốc gia</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Ghi chú</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Thao tác</translation>
    </message>
    <message>
        <source>No devices are currently added</source>
        <translation>Hiện chưa thêm thiết bị nào</translation>
    </message>
    <message>
        <source>No device matching search criteria found.</source>
        <translation>Không tìm thấy thiết bị phù hợp với điều kiện tìm kiếm.</translation>
    </message>
    <message>
        <source>Don&apos;t know how to add a device?</source>
        <translation>Chưa biết cách thêm thiết bị?</translation>
    </message>
    <message>
        <source>View detailed tutorial</source>
        <translation>Xem hướng dẫn chi tiết</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Đã chọn:</translation>
    </message>
    <message>
        <source>Batch settings</source>
        <translation>Thiết lập hàng loạt</translation>
    </message>
    <message>
        <source>Batch Connection</source>
        <translation>Kết nối hàng loạt</translation>
    </message>
    <message>
        <source>Please select the device that needs to be connected</source>
        <translation>Vui lòng chọn thiết bị cần kết nối</translation>
    </message>
    <message>
        <source>Batch Disconnection</source>
        <translation>Ngắt kết nối hàng loạt</translation>
    </message>
    <message>
        <source>Please select the device that needs to be disconnected</source>
        <translation>Vui lòng chọn thiết bị cần ngắt kết nối</translation>
    </message>
    <message>
        <source>Batch Notes</source>
        <translation>Ghi chú hàng loạt</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Làm mới</translation>
    </message>
</context>
<context>
    <name>RectFavoriteList</name>
    <message>
        <source>Favouritelist is empty,</source>
        <translation>Danh sách yêu thích trống,</translation>
    </message>
</context>
<context>
    <name>RectProxyList</name>
    <message>
        <source>There is no Static ISP Proxy,</source>
        <translation>Chưa có proxy ISP tĩnh,</translation>
    </message>
    <message>
        <source>buy now</source>
        <translation>mua ngay</translation>
    </message>
</context>
<context>
    <name>RectSettings</name>
    <message>
        <source>Begin Port 1-65534</source>
        <translation>Cổng bắt đầu 1-65534</translation>
    </message>
    <message>
        <source>Port Number 1-200, Begin Port + Port Number ≤ 65535</source>
        <translation>Số lượng cổng 1-200, Cổng bắt đầu + Số lượng cổng ≤ 65535</translation>
    </message>
    <message>
        <source>Successfully</source>
        <translation>Thành công</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>Chưa lưu: %1</translation>
    </message>
    <message>
        <source>Not turned on: a start entry cannot name this program&apos;s folder, or could not be written</source>
        <translation>Chưa bật: mục khởi động không thể ghi tên thư mục của chương trình này, hoặc không ghi được</translation>
    </message>
    <message>
        <source>Not turned off: the start entry could not be removed</source>
        <translation>Chưa tắt: không xóa được mục khởi động</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>Cài đặt chung</translation>
    </message>
    <message>
        <source>Begin Port:</source>
        <translation>Cổng bắt đầu:</translation>
    </message>
    <message>
        <source>Port Number:</source>
        <translation>Số lượng cổng:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Do not remove duplicate Proxies</source>
        <translation>Không loại bỏ proxy trùng lặp</translation>
    </message>
    <message>
        <source>Purchased proxies may appear when refreshing the ProxyList</source>
        <translation>Proxy đã mua có thể xuất hiện khi làm mới danh sách proxy</translation>
    </message>
    <message>
        <source>Remove duplicate proxies,No duplicate proxies will be acquired within</source>
        <translation>Loại bỏ proxy trùng lặp: không lấy proxy trùng lặp trong vòng</translation>
    </message>
    <message>
        <source>Once set, purchased proxies will no longer appear when refreshing the ProxyList</source>
        <translation>Sau khi thiết lập, proxy đã mua sẽ không còn xuất hiện khi làm mới danh sách proxy</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>giờ</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Ngôn ngữ:</translation>
    </message>
    <message>
        <source>Automatically launch Qel Proxy when you turn on your device:</source>
        <translation>Tự động khởi chạy Qel Proxy khi bật thiết bị:</translation>
    </message>
</context>
<context>
    <name>RectTodayList</name>
    <message>
        <source>Todaylist is empty,</source>
        <translation>Danh sách hôm nay trống,</translation>
    </message>
</context>
<context>
    <name>RemarkPopup</name>
    <message>
        <source>Remark</source>
        <translation>Ghi chú</translation>
    </message>
    <message>
        <source>Please enter a remark</source>
        <translation>Vui lòng nhập ghi chú</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>Đồng ý</translation>
    </message>
</context>
<context>
    <name>SearchManager</name>
    <message>
        <source>Popular Plan</source>
        <translation>Gói phổ biến</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Gói ISP dài hạn</translation>
    </message>
</context>
<context>
    <name>TipsCustomPopup</name>
    <message>
        <source>Tips</source>
        <translation>Gợi ý</translation>
    </message>
    <message>
        <source>Recharge Now</source>
        <translation>Nạp tiền ngay</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>Đồng ý</translation>
    </message>
</context>
<context>
    <name>UpdatePopup</name>
    <message>
        <source>The new version could not be downloaded.</source>
        <translation>Không thể tải xuống phiên bản mới.</translation>
    </message>
    <message>
        <source>Update Prompt</source>
        <translation>Thông báo cập nhật</translation>
    </message>
    <message>
        <source>New version found V</source>
        <translation>Đã có phiên bản mới V</translation>
    </message>
    <message>
        <source>Update anomalies?</source>
        <translation>Cập nhật gặp sự cố?</translation>
    </message>
    <message>
        <source>To the website</source>
        <translation>Đến trang web</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Cập nhật ngay</translation>
    </message>
    <message>
        <source>This is the latest version!</source>
        <translation>Đây là phiên bản mới nhất!</translation>
    </message>
    <message>
        <source>Sure</source>
        <translation>Đồng ý</translation>
    </message>
    <message>
        <source>The client version you are using has been disabled. Please download and install again from the offical website.</source>
        <translation>Phiên bản ứng dụng bạn đang dùng đã bị vô hiệu hóa. Vui lòng tải xuống và cài đặt lại từ trang web chính thức.</translation>
    </message>
    <message>
        <source>Go Now</source>
        <translation>Đi ngay</translation>
    </message>
    <message>
        <source>Updating......</source>
        <translation>Đang cập nhật......</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>Trang web chính thức</translation>
    </message>
    <message>
        <source>The new version was downloaded and saved to:</source>
        <translation>Phiên bản mới đã được tải xuống và lưu tại:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>WebRecv</name>
    <message>
        <source>Only web pages can be opened.</source>
        <translation>Chỉ có thể mở trang web.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Show</source>
        <translation>Hiển thị</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>The proxy has expired and cannot be renewed</source>
        <translation>Proxy đã hết hạn và không thể gia hạn</translation>
    </message>
    <message>
        <source>Hello World</source>
        <translation>Xin chào thế giới</translation>
    </message>
    <message>
        <source>发送消息</source>
        <translation>Gửi tin nhắn</translation>
    </message>
</context>
<context>
    <name>mainLoader</name>
    <message>
        <source>Function</source>
        <translation>Chức năng</translation>
    </message>
    <message>
        <source>Proxy List</source>
        <translation>Danh sách proxy</translation>
    </message>
    <message>
        <source>Static ISP Proxy</source>
        <translation>Proxy ISP tĩnh</translation>
    </message>
    <message>
        <source>Today List</source>
        <translation>Danh sách hôm nay</translation>
    </message>
    <message>
        <source>Favorite List</source>
        <translation>Danh sách yêu thích</translation>
    </message>
    <message>
        <source>API</source>
        <translation>API</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Chương trình</translation>
    </message>
    <message>
        <source>Group Control</source>
        <translation>Điều khiển nhóm</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>New Version is Online,</source>
        <translation>Đã có phiên bản mới,</translation>
    </message>
    <message>
        <source>Update Immediately</source>
        <translation>Cập nhật ngay</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Đăng nhập</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Local Proxy:</source>
        <translation>Proxy cục bộ:</translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation>IP cục bộ:</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kiểm tra</translation>
    </message>
    <message>
        <source>Popular Plan</source>
        <translation>Gói phổ biến</translation>
    </message>
    <message>
        <source>Long Acting ISP Plan</source>
        <translation>Gói ISP dài hạn</translation>
    </message>
    <message>
        <source>Traffic Plan</source>
        <translation>Gói lưu lượng</translation>
    </message>
    <message>
        <source>Dedicated Static IP</source>
        <translation>IP tĩnh riêng</translation>
    </message>
    <message>
        <source>Datacenter Proxy</source>
        <translation>Proxy trung tâm dữ liệu</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Mã quốc gia</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Please use in non Chinese Mainland environment</source>
        <translation>Vui lòng sử dụng ngoài Trung Quốc đại lục</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Cập nhật</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Thông báo</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Phản hồi</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Đối tác</translation>
    </message>
    <message>
        <source>Log Out</source>
        <translation>Đăng xuất</translation>
    </message>
    <message>
        <source>new</source>
        <translation>mới</translation>
    </message>
</context>
</TS>
