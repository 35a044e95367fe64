3
0, 
2.5, 
12, "quoted, with comma"
2
1, 1, 0, "quoted, with comma"
3, 1, 0, "quoted, with comma"
1
2E8, x
2
8.5E-6, x
0.0004, 

2
2, 1, 1
2, x
2, 3, 1
2, 
3
2, 2, 10, -5
1, 0, x
2, 3, 11, 6, 0.5
0, span
2, 2
-3, 2, 0.5, 0.5, "quoted, with comma"
2
2, 2, 1, span
2, 1, 2, 
